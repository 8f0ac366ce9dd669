// The bevelled frame and the embossed two-layer captions.
#include "ui/frames.h"

#include <utility>

#include "ui/palette.h"

namespace tessarix {

void drawFrame3D(Canvas& canvas, bool sunken, int thickness, int x1, int y1, int x2, int y2) {
  canvas.setLineWidth(1);
  int light = colorWhite;
  int dark = colorDarkGrey;
  if (sunken) std::swap(light, dark);
  const int n = sunken ? thickness - 1 : thickness;
  canvas.setLineColor(light);
  for (int i = 0; i <= n; ++i) {
    canvas.line(x1 + i, y1 + i, x2, y1 + i);  // top
    canvas.line(x1 + i, y1 + i, x1 + i, y2);  // left
  }
  // The bottom lines end at x2: the frame paints nothing right of its rectangle.
  canvas.setLineColor(dark);
  for (int i = 0; i <= n; ++i) {
    canvas.line(x1 + i, y2 - i, x2, y2 - i);  // bottom
    canvas.line(x2 - i, y1 + i, x2 - i, y2);  // right
  }
  canvas.setLineColor(colorBlack);
}

// The white lower layer and the coloured upper layer one pixel up and left, both transparent.
static void drawTwoLayers(Canvas& canvas, int upperColor, int x, int y, const std::string& text) {
  canvas.setLineColor(colorWhite);
  canvas.setFillColor(colorLightGrey);
  canvas.setTransparentText(true);
  canvas.text(x, y, text);
  canvas.setLineColor(upperColor);
  canvas.setFillColor(colorBlack);
  canvas.setTransparentText(true);
  canvas.text(x - 1, y - 1, text);
}

void drawPanelTitle(Canvas& canvas, FontStyle style, int colorIndex, int& x, int& y,
                    const std::string& text) {
  canvas.setTextFont(style);
  if (canvas.largeFonts() && style == FontStyle::Button) x += 21;
  y -= 14;
  drawTwoLayers(canvas, colorIndex, x, y, text);
  canvas.setTransparentText(false);
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorLightGrey);
  canvas.setTextFont(FontStyle::Panel);
}

void drawEmbossedText(Canvas& canvas, bool red, FontStyle style, int& x, int& y,
                      const std::string& text) {
  canvas.setTextFont(style);
  y -= 14;
  drawTwoLayers(canvas, red ? colorRed : colorTeal, x, y, text);
  canvas.setTransparentText(false);
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorWhite);
}

}  // namespace tessarix
