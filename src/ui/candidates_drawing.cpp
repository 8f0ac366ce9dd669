// The candidate and pencil marks of the empty cells, drawn small at nine spots of each cell.
#include "ui/candidates_drawing.h"

#include "logic/geometry.h"
#include "ui/board_drawing.h"
#include "ui/palette.h"
#include "ui/field_layout.h"

namespace tessarix {

void drawCandidates(Canvas& canvas, const GameState& s) {
  canvas.setTextFont(FontStyle::Marks);
  for (int g = 1; g <= gridCount; ++g)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        if (s.board[cellIndex(g, x, y)] != 0) continue;
        for (int d = 1; d <= 9; ++d) {
          const int px = anchorX[g] + (x - 1) * cellWidth + (d - 1) % 3 * 10 + 3;
          const int py = anchorY[g] + (y - 1) * cellHeight + (d - 1) / 3 * 8;
          canvas.setLineColor(colorWhite);
          canvas.setFillColor(colorWhite);
          if (s.mark(g, x, y, d)) {
            canvas.filledBox(px, py + 2, px + 5, py + 7);
            // Transparent, so the character box does not reach over the cell's lines below.
            canvas.setLineColor(colorBlack);
            canvas.setTransparentText(true);
            canvas.text(px + (!s.options.digitMode && d == 9 ? 1 : 0), py,
                        cellCharacter(s.options.digitMode, d));
            canvas.setTransparentText(false);
          } else {
            canvas.filledBox(px, py + 2, px + 6, py + 7);
          }
          canvas.setLineColor(colorBlack);
          canvas.setFillColor(colorWhite);
        }
      }
  // The board's normal text settings.
  canvas.setTextFont(FontStyle::Cell);
  canvas.setTransparentText(false);
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorWhite);
}

}  // namespace tessarix
