// The printed board: the nine grids scaled to the printable area of a page, and a footer line
// with the level and the number of clues.
#pragma once

#include "logic/game_state.h"
#include "ui/canvas.h"

namespace tessarix {

inline constexpr const char* printDocumentName = "Brett drucken";

// Draws the page on a canvas whose printable area is width x height device pixels.
void drawPrintedPage(Canvas& page, const GameState& s, int width, int height);

}  // namespace tessarix
