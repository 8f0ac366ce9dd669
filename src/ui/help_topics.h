// The help bundle and its two topics: the overview from the menu, the explanation of the
// screen and the keys from the button bar.
#pragma once

namespace tessarix {

inline constexpr const char* helpFile = "Tessarix.chm";
inline constexpr const char* helpOverviewTopic = "Übersicht.htm";
inline constexpr const char* helpExplanationTopic = "Erklärung.htm";
// The message when a topic cannot be shown; the bundle's name follows the final blank.
inline constexpr const char* helpErrorPrefix = "Error while trying to display a topic of ";

}  // namespace tessarix
