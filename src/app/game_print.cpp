// Printing the board: one page on the printer the platform picks.
#include "app/game.h"

#include "ui/printed_page.h"

namespace tessarix {

void Game::printBoard() {
  const PrintOutcome outcome =
      platform_.print(printDocumentName, [this](Canvas& page, int width, int height) {
        drawPrintedPage(page, state_, width, height);
      });
  // A cancelled print dialog ends the command quietly.
  if (outcome == PrintOutcome::Failed) platform_.showMessage("Druckerfehler!");
}

}  // namespace tessarix
