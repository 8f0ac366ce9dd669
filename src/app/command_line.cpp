// Reading the game's command line.
#include "app/command_line.h"

#include <array>
#include <filesystem>
#include <system_error>
#include <utility>

namespace tessarix {

namespace {

// An option with a value; a new one is a new row here and a field in CommandLine.
struct ValueOption {
  const char* name;   // "--dir"
  const char* value;  // "VERZEICHNIS", for the usage line
  const char* help;   // what it does, for the help text
  std::string CommandLine::*field;
};

constexpr std::array<ValueOption, 2> valueOptions = {{
    {"--dir", "VERZEICHNIS",
     "Spielverzeichnis statt $XDG_DATA_HOME/tessarix (~/.local/share/tessarix)", &CommandLine::dir},
    {"--print-to", "DATEI.pdf", "jeden Druckauftrag ohne Rückfrage in diese PDF-Datei schreiben",
     &CommandLine::printTo},
}};

CommandLine wrong(const std::string& what) {
  CommandLine line;
  line.action = CommandLine::Action::Wrong;
  line.error = "tessarix: " + what + " (" + usageLine() + ")";
  return line;
}

}  // namespace

std::string usageLine() {
  std::string line = "Aufruf: tessarix";
  for (const ValueOption& option : valueOptions)
    line += std::string(" [") + option.name + " " + option.value + "]";
  return line;
}

std::string helpText() {
  std::string text =
      usageLine() + "\n\nTessarix, ein Sudoku aus neun verschränkten 9 x 9-Gittern.\n\n";
  text += "Angaben:\n";
  auto row = [&](const std::string& left, const std::string& right) {
    text += "  " + left + std::string(left.size() < 26 ? 26 - left.size() : 1, ' ') + right + "\n";
  };
  for (const ValueOption& option : valueOptions)
    row(std::string(option.name) + " " + option.value, option.help);
  row("-h, --help", "diese Hilfe zeigen");
  row("--version", "die Version zeigen");
  text +=
      "\nIm Spielverzeichnis liegen die Stufendateien leicht.trx, mittel.trx, schwer.trx und\n"
      "extrem.trx, die gesicherten Bretter brett.trx und die Ruhmeshalle Champions.Rhm.\n";
  return text;
}

namespace {

bool named(const char* variable) { return variable != nullptr && *variable != '\0'; }

constexpr const char* needsSession = "das Spiel braucht eine grafische Sitzung.";

}  // namespace

std::string missingDisplay(const char* platform, const char* display, const char* waylandDisplay) {
  // Any other platform (offscreen, vnc, wayland, a list to try) is Qt's to judge.
  const std::string chosen = platform != nullptr ? platform : "";
  if (!chosen.empty() && chosen != "xcb") return {};
  if (named(display) || named(waylandDisplay)) return {};
  return std::string("Keine Anzeige: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt; ") +
         needsSession;
}

std::string unreachableDisplay(const char* platform, const char* display,
                               const char* waylandDisplay) {
  std::string tried;
  for (const auto& [name, value] :
       {std::pair{"QT_QPA_PLATFORM", platform}, std::pair{"DISPLAY", display},
        std::pair{"WAYLAND_DISPLAY", waylandDisplay}})
    if (named(value)) tried += (tried.empty() ? "" : ", ") + std::string(name) + "=" + value;
  if (!named(display) && !named(waylandDisplay))
    tried +=
        (tried.empty() ? "" : ", ") + std::string("weder DISPLAY noch WAYLAND_DISPLAY gesetzt");
  return "Keine Anzeige erreichbar (" + tried + "); " + needsSession;
}

CommandLine parseCommandLine(const std::vector<std::string>& words) {
  CommandLine line;
  std::vector<const ValueOption*> given;
  for (size_t k = 0; k < words.size(); ++k) {
    const std::string& word = words[k];
    if (word == "--help" || word == "-h") {
      line.action = CommandLine::Action::Help;
      return line;
    }
    if (word == "--version") {
      line.action = CommandLine::Action::Version;
      return line;
    }
    const ValueOption* option = nullptr;
    std::string value;
    bool hasValue = false;
    for (const ValueOption& o : valueOptions) {
      const std::string name = o.name;
      if (word == name) {
        option = &o;
        hasValue = k + 1 < words.size();
        if (hasValue) value = words[++k];
      } else if (word.starts_with(name + "=")) {
        option = &o;
        hasValue = true;
        value = word.substr(name.size() + 1);
      }
    }
    if (option == nullptr) return wrong("unbekannte Angabe " + word);
    const std::string name = option->name;
    if (!hasValue || value.empty()) return wrong(name + " braucht einen Wert");
    // "--dir --help" is a forgotten value, not a directory named "--help"; a directory
    // whose name starts with "-" is reached as "./-name".
    if (value[0] == '-') return wrong(name + " braucht einen Wert, nicht " + value);
    for (const ValueOption* seen : given)
      if (seen == option) return wrong(name + " ist mehrfach angegeben");
    given.push_back(option);
    line.*(option->field) = value;
  }
  return line;
}

std::string printFileProblem(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  // The file the link leads to is what a job would open.
  const fs::file_status st = fs::status(path, ec);
  if (st.type() == fs::file_type::not_found || st.type() == fs::file_type::regular) return {};
  if (ec) return "Die Druckdatei " + path + " ist nicht erreichbar.";
  return "Die Druckdatei " + path + " ist keine gewöhnliche Datei.";
}

}  // namespace tessarix
