// The two board resets of the menu: starting the same puzzle again and clearing the field.
#pragma once

#include "logic/game_state.h"

namespace tessarix {

// "N&eustart": marks cleared, every player entry removed; clues and solution stay.
void restartBoard(GameState& s);
// "B&rett löschen", the part on the state: an empty field without clues, marks or solution
// (so no later entry is judged against the puzzle that was there), notSolvable cleared.
void clearBoard(GameState& s);

}  // namespace tessarix
