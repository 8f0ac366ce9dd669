// Reading the game's command line.
#include "app/command_line.h"

#include <array>

namespace tessarix {

namespace {

// An option with a value; a new one is a new row here and a field in CommandLine.
struct ValueOption {
  const char* name;   // "--dir"
  const char* value;  // "VERZEICHNIS", for the usage line
  std::string CommandLine::*field;
};

constexpr std::array<ValueOption, 2> valueOptions = {{
    {"--dir", "VERZEICHNIS", &CommandLine::dir},
    {"--print-to", "DATEI.pdf", &CommandLine::printTo},
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

CommandLine parseCommandLine(const std::vector<std::string>& words) {
  CommandLine line;
  std::vector<const ValueOption*> given;
  for (size_t k = 0; k < words.size(); ++k) {
    const std::string& word = words[k];
    if (word == "--help" || word == "-h") {
      line.action = CommandLine::Action::Help;
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

}  // namespace tessarix
