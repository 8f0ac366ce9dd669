// The bevelled frame and the two-layer embossed captions that every panel, the button bar and
// the bottom strip are built from.
#pragma once

#include <string>

#include "ui/canvas.h"

namespace tessarix {

// A bevelled frame on the box (x1, y1)-(x2, y2): raised (white top and left, dark grey bottom
// and right) or sunken (the colours swapped); thickness + 1 lines deep when raised, thickness
// when sunken. Paints every pixel of its lines inside the box and none outside it. Leaves line
// width 1 and line colour black.
void drawFrame3D(Canvas& canvas, bool sunken, int thickness, int x1, int y1, int x2, int y2);

// A caption in font `style`: a white copy at (x, y - 14) under the text in palette entry
// `colorIndex` one pixel up and left. Changes the caller's y to y - 14 (and x by +21 for the
// button font on large fonts). Leaves opaque text, black on light grey, the panel font.
void drawPanelTitle(Canvas& canvas, FontStyle style, int colorIndex, int& x, int& y,
                    const std::string& text);

// The same two layers with the upper one in palette entry 6, or red (entry 1) when `red`; used
// for the access letters of the button bar. Changes the caller's y to y - 14. Leaves opaque
// text, black on white.
void drawEmbossedText(Canvas& canvas, bool red, FontStyle style, int& x, int& y,
                      const std::string& text);

}  // namespace tessarix
