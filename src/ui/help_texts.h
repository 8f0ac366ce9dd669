// The texts of the help line between commands and while a command waits for a click on a cell.
#pragma once

namespace tessarix {

inline constexpr const char* helpChooseMenu = "Bitte Menupunkt auswählen!";
inline constexpr const char* helpClickCell = "Bitte ein Feld anklicken!";

}  // namespace tessarix
