// The game's command line, read before any window exists: the options, their values taken
// byte for byte, and one line for each mistake; and whether there is a display to open the
// window on.
#pragma once

#include <string>
#include <vector>

namespace tessarix {

struct CommandLine {
  enum class Action {
    Play,     // start the game
    Help,     // print the help text and end
    Version,  // print the version and end
    Wrong,    // a usage error: print error and end with exit code 2
  };
  Action action = Action::Play;
  std::string dir;      // --dir: the game directory as the bytes given; empty = the default
  std::string printTo;  // --print-to: every print job goes to this PDF file; empty = a printer
  std::string error;    // for Wrong: one line, the usage included
};

// Reads the words after the program's name. Every option takes a value, as "--opt VALUE" or
// "--opt=VALUE"; the value may not be empty, may not look like an option ("-..."), and an
// option may be given once. "--help" and "-h" ask for the help text, "--version" for the
// version.
CommandLine parseCommandLine(const std::vector<std::string>& words);

// "Aufruf: tessarix [--dir VERZEICHNIS] [--print-to DATEI.pdf]"
std::string usageLine();

// What --help prints: the usage line, what each option does, the game directory.
std::string helpText();

// The game's window needs a graphical session. platform is QT_QPA_PLATFORM, display and
// waylandDisplay are DISPLAY and WAYLAND_DISPLAY (each null when unset). When the window
// would go to the desktop (no platform chosen, or "xcb") and neither variable names a display,
// the one line to say; otherwise empty, and a display that is named but cannot be reached is
// found when the window system starts.
std::string missingDisplay(const char* platform, const char* display, const char* waylandDisplay);

// The print file of --print-to as it stands: empty when a job may write it (it is not there
// yet, or it is a regular file, also through a link), else the one line that says why not. A
// FIFO, a device, a directory or a socket is never opened: opening a FIFO would wait until
// something reads it, and the game would hang.
std::string printFileProblem(const std::string& path);

// The one line said when the window system could not start: the platform chosen and the
// display tried, as far as they are set.
std::string unreachableDisplay(const char* platform, const char* display,
                               const char* waylandDisplay);

}  // namespace tessarix
