// The printed board.
#include "ui/printed_page.h"

namespace tessarix {

void drawPrintedPage(Canvas&, const GameState&, int, int) {}

}  // namespace tessarix
