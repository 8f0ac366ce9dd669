// The status message: the words and the palette colour that show each outcome of the check.
#pragma once

#include "logic/game_state.h"

namespace tessarix {

// "Falsche Zahl! ", "Nicht lösbar!!!", "Keine Fehler! " or "Brett gelöst!!! " (with their
// blanks, which cover a longer message before them); "" before the first check.
const char* statusText(CheckOutcome outcome);
// Bright red (palette entry 9) while an entry is wrong or the field has no solution, also on a
// solved field whose entries differ from the derived solution; black otherwise.
int statusColor(CheckOutcome outcome);

}  // namespace tessarix
