// The game's sixteen colours, written as 0x00BBGGRR (red in the low byte), three more for the
// extras that the classic screen never shows, and names for the ones the drawing uses.
#pragma once

#include <array>
#include <cstdint>

namespace tessarix {

inline constexpr std::array<uint32_t, 19> palette = {
    0x000000, 0x0000DA, 0x008000, 0x00FFFF, 0xBC0000, 0x800080, 0x808000, 0xC0C0C0,
    0x404040, 0x0000FF, 0x00FF00, 0x00FFFF, 0xD0C9B4, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    0xA8F0FF, 0x0080FF, 0x40A000,
};

inline constexpr int colorBlack = 0;      // lines, clues, texts
inline constexpr int colorRed = 1;        // outlines of the shared boxes, access letters
inline constexpr int colorBlue = 4;       // box lines of each grid, the player's entries
inline constexpr int colorTeal = 6;       // upper layer of an embossed text with flag 0
inline constexpr int colorLightGrey = 7;  // highlighted keypad button, caption fill
inline constexpr int colorDarkGrey = 8;   // shadow edges of the bevelled frames
inline constexpr int colorBrightRed = 9;  // wrong entries, the status "Falsche Zahl! "
inline constexpr int colorWindow = 12;    // the window's background
inline constexpr int colorWhite = 15;     // cell interiors, light edges, panel writing areas
inline constexpr int colorHighlight = 16;  // light yellow behind the cells of a highlighted digit
inline constexpr int colorCursor = 17;     // orange frame of the keyboard cursor
inline constexpr int colorHintFrame = 18;  // green frame around the cell a hint points at

// Red, green and blue (0..255) of a palette entry.
constexpr int paletteRed(int index) { return static_cast<int>(palette[index] & 0xFF); }
constexpr int paletteGreen(int index) { return static_cast<int>(palette[index] >> 8 & 0xFF); }
constexpr int paletteBlue(int index) { return static_cast<int>(palette[index] >> 16 & 0xFF); }

}  // namespace tessarix
