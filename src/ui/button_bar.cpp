// The button bar: the table of the six buttons, their drawing and the hit test of the bar.
#include "ui/button_bar.h"

#include "ui/button_bar_strip.h"
#include "ui/frames.h"
#include "ui/palette.h"

namespace tessarix {

namespace {

struct BarButtonSpec {
  std::string text;
  int x;
  int clickRight;
  char key;
};

const std::array<BarButtonSpec, 6>& specs() {
  static const std::array<BarButtonSpec, 6> table = {{
      {"    _Laden     ", 160, 291, 'L'},
      {"    _Sichern    ", 292, 431, 'S'},
      {"    _Drucken    ", 432, 571, 'D'},
      {"    _Neustart    ", 572, 719, 'N'},
      {"    _Hilfe    ", 720, 843, 'H'},
      {"    _Abbruch    ", 844, 983, 'A'},
  }};
  return table;
}

const BarButtonSpec& spec(BarButton b) { return specs()[static_cast<size_t>(b)]; }

}  // namespace

const std::string& barButtonText(BarButton b) { return spec(b).text; }
int barButtonX(BarButton b) { return spec(b).x; }
int barButtonClickRight(BarButton b) { return spec(b).clickRight; }
char barButtonKey(BarButton b) { return spec(b).key; }

std::optional<BarButton> barButtonAt(int x, int y) {
  if (y < barTop || y > barClickBottom) return std::nullopt;
  for (BarButton b : barButtons)
    if (x >= barButtonX(b) && x <= barButtonClickRight(b)) return b;
  return std::nullopt;
}

void drawButton(Canvas& canvas, bool pressed, int x, int y, const std::string& text) {
  const int n = static_cast<int>(text.size());
  // p counts from 1, as the access letter's place in the caption does; 0 means no letter.
  const size_t underscore = text.find('_');
  const int p = underscore == std::string::npos ? 0 : static_cast<int>(underscore) + 1;
  std::string caption = text;
  std::string letter;
  if (p > 0) {
    caption.erase(underscore, 1);
    if (underscore < caption.size()) {
      letter = caption.substr(underscore, 1);
      caption[underscore] = ' ';  // the letter is drawn on its own, in red
    }
  }

  const int right = x + 8 * (n - 1) + 18;
  drawFrame3D(canvas, pressed, 2, x, y, right, y + 25);
  canvas.setLineColor(colorBlack);
  canvas.outlineBox(x - 1, y - 1, right, y + 25);
  // The face inside the frame is the window's colour again before the caption goes on it:
  // a caption drawn over its own smoothed edges would grow darker with every press.
  canvas.setLineColor(colorWindow);
  canvas.setFillColor(colorWindow);
  canvas.filledBox(x + 3, y + 3, right - 3, y + 22);

  const bool large = canvas.largeFonts();
  // x + 11 with an access letter, x + 7 without one; 8 more for the wider large fonts.
  const int captionX = x + 4 * (n - 2 - static_cast<int>(caption.size())) + 15 + (large ? 8 : 0);
  int titleX = captionX;  // drawPanelTitle moves its own copy of the position
  int titleY = y + 20;
  drawPanelTitle(canvas, FontStyle::Button, colorBlack, titleX, titleY, caption);

  if (!letter.empty()) {
    int letterX = captionX + 8 * (p - 1);
    if (p == 1) letterX -= 1;
    if (large) letterX -= 6;
    int letterY = y + 20;
    drawEmbossedText(canvas, true, FontStyle::Button, letterX, letterY, letter);
  }
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorWhite);
}

void drawBarButton(Canvas& canvas, BarButton b, bool pressed) {
  drawButton(canvas, pressed, barButtonX(b), barTop, barButtonText(b));
}

void drawButtonBar(Canvas& canvas) {
  for (BarButton b : barButtons) drawBarButton(canvas, b, false);
}

void eraseButtonBar(Canvas& canvas) {
  canvas.setLineColor(colorWindow);
  canvas.setFillColor(colorWindow);
  canvas.filledBox(buttonBarLeft, buttonBarTop, buttonBarRight, buttonBarBottom);
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorWhite);
}

}  // namespace tessarix
