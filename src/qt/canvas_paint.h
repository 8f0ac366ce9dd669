// What the screen's and the printer's canvases share: the palette's colours, and Arial's
// metrics, which put a text's top-left corner where the game asks for it.
#pragma once

#include <QColor>
#include <cmath>

namespace tessarix {

// QColor of a palette entry (0x00BBGGRR); an index outside 0..15 is taken as the nearest one.
QColor paletteColor(int index);

// Arial's (and Liberation Sans') vertical metrics in font units: a font description of height h
// means a character cell of h pixels, ascent plus descent.
inline constexpr double arialUnitsPerEm = 2048.0;
inline constexpr double arialAscentUnits = 1854.0;
inline constexpr double arialCellUnits = 1854.0 + 434.0;
inline constexpr double arialAverageWidthUnits = 904.0;  // the average width a width means

// The baseline's distance below the text's top, in pixels, for a font of emPixels per em.
inline int arialBaseline(double emPixels) {
  return static_cast<int>(std::lround(emPixels * arialAscentUnits / arialUnitsPerEm));
}

}  // namespace tessarix
