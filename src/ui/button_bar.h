// The bar of six buttons below the board while a game runs: their texts, places and keys, the
// drawing of one button raised or pressed, and the hit test of a click into the bar.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "ui/canvas.h"

namespace tessarix {

enum class BarButton { Laden, Sichern, Drucken, Neustart, Hilfe, Abbruch };

inline constexpr std::array<BarButton, 6> barButtons = {
    BarButton::Laden,    BarButton::Sichern, BarButton::Drucken,
    BarButton::Neustart, BarButton::Hilfe,   BarButton::Abbruch,
};

// The buttons' top edge, the first row a click into the bar may hit, and its last row.
inline constexpr int barTop = 886;
inline constexpr int barClickBottom = 912;

// The text of a button as stored: blanks around the caption (the frame's width follows the
// length) and "_" before the access letter.
const std::string& barButtonText(BarButton b);
// Left edge of the button's frame.
int barButtonX(BarButton b);
// The last column a click on the button may hit (its first is barButtonX).
int barButtonClickRight(BarButton b);
// The capital letter of the key that presses the button; Abbruch also answers Esc, and its A
// only in digit mode (in letters mode A is a cell value).
char barButtonKey(BarButton b);

// The button under a click at (x, y): y from 886 to 912 and x in a button's range, all bounds
// inclusive; the ranges meet, so every x from 160 to 983 hits one button.
std::optional<BarButton> barButtonAt(int x, int y);

// One button at (x, y), raised or pressed: a bevelled frame of thickness 2 and a black outline
// around it, 8 pixels per character wide and 26 high; the caption in font 14 black on its white
// shadow, with a blank where the access letter stands; the access letter itself in red on its
// white shadow. Leaves line colour black and fill colour white.
void drawButton(Canvas& canvas, bool pressed, int x, int y, const std::string& text);
// A button of the bar at its place.
void drawBarButton(Canvas& canvas, BarButton b, bool pressed);
// All six buttons raised.
void drawButtonBar(Canvas& canvas);
// The buttons erased: the bar's strip (button_bar_strip.h) in the window's colour. Leaves black
// lines on white.
void eraseButtonBar(Canvas& canvas);

}  // namespace tessarix
