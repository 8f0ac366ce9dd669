// What the screen shows, changed as the rules change the screen: a cell keeps the look it was
// last shown with, a panel the text last written into it, the help line the end of a longer
// text before it. Nothing here draws; the refresh paints the look (game_refresh.cpp).
#include "app/game.h"

#include <string>
#include <vector>

#include "logic/geometry.h"
#include "ui/button_bar.h"

namespace tessarix {

namespace {

// The characters of a UTF-8 text, each as its bytes.
std::vector<std::string> characters(const std::string& text) {
  std::vector<std::string> out;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80 || out.empty())
      out.emplace_back(1, static_cast<char>(c));
    else
      out.back() += static_cast<char>(c);
  }
  return out;
}

}  // namespace

void Game::showGiven(int cell, int digit) {
  noteCellShown(cell, {static_cast<uint8_t>(digit), true, false,
                       digit != 0 && digit == state_.highlightDigit, state_.options.digitMode});
}

void Game::showEntry(int cell, int digit, bool wrong) {
  noteCellShown(cell, {static_cast<uint8_t>(digit), false, wrong,
                       digit != 0 && digit == state_.highlightDigit, state_.options.digitMode});
}

void Game::noteCellShown(int cell, const ShownCell& look) {
  // Both copies of a shared cell lie on the same pixels: the screen holds one look for them,
  // under the leading copy, and the cell covers the marks of either.
  look_.cells[static_cast<size_t>(leadingCopy(cell))] = look;
  for (const int copy : {cell, mirrorOf(cell)}) {
    if (copy == 0) continue;
    look_.marksOver[static_cast<size_t>(copy)] = false;
    for (int d = 1; d <= 9; ++d)
      look_.marksEver[markIndex(cellGrid(copy), cellCol(copy), cellRow(copy), d)] = 0;
  }
}

void Game::showMarks() {
  for (int g = 1; g <= gridCount; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int i = cellIndex(g, c, r);
        if (state_.board[i] != 0) continue;
        look_.marksOver[static_cast<size_t>(i)] = true;
        for (int d = 1; d <= 9; ++d) {
          const int k = markIndex(g, c, r, d);
          look_.marks[k] = state_.marks[k];
          look_.marksEver[k] |= state_.marks[k];
        }
      }
  look_.marksDigitMode = state_.options.digitMode;
}

void Game::noteHelpLine(const std::string& text) {
  const std::vector<std::string> before = characters(look_.helpLine);
  const size_t reach = characters(text).size();
  look_.helpLine = text;
  for (size_t k = reach; k < before.size(); ++k) look_.helpLine += before[k];
}

void Game::showBar() {
  look_.barShown = true;
  look_.bar.clear();
  for (BarButton b : barButtons) look_.bar.emplace_back(b, false);
}

void Game::showBarButton(BarButton b, bool pressed) {
  // A raised button covers all the button showed before; a pressed one only a pressed one (the
  // raised frame's inner line stays around it).
  std::erase_if(look_.bar, [b, pressed](const auto& drawn) {
    return drawn.first == b && (!pressed || drawn.second);
  });
  look_.bar.emplace_back(b, pressed);
}

void Game::hideBar() { look_.barShown = false; }

void Game::lookAtInterface() {
  look_.cursorCell = cursorCell_;
  look_.hintCell = hint_ ? hint_->cell : 0;
  look_.paused = paused_;
  if (keypad_.open)
    look_.keypad = ShownKeypad{keypad_.left, keypad_.top, keypadValue_, state_.options.digitMode};
  else
    look_.keypad.reset();
}

}  // namespace tessarix
