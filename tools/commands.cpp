// The table of subcommands and the usage text built from it.
#include "commands.h"

#include <algorithm>
#include <cstring>

namespace tessarix::tool {

namespace {
// Filled while static objects are built; a function-local table exists before its first use.
std::vector<ToolCommand>& registry() {
  static std::vector<ToolCommand> commands;
  return commands;
}
}  // namespace

CommandRegistration::CommandRegistration(const ToolCommand& command) {
  registry().push_back(command);
}

std::vector<ToolCommand> toolCommands() {
  std::vector<ToolCommand> commands = registry();
  std::sort(commands.begin(), commands.end(), [](const ToolCommand& a, const ToolCommand& b) {
    return std::strcmp(a.name, b.name) < 0;
  });
  return commands;
}

std::string usageText() {
  std::string text =
      "usage: tessarix-puzzles COMMAND ARGUMENTS\n"
      "Works on Tessarix puzzle files (48729 bytes, slots 0 to 3; the game shows them as\n"
      "Nr. 1 to 4).\n\ncommands:\n";
  const std::vector<ToolCommand> commands = toolCommands();
  size_t width = 0;
  for (const ToolCommand& c : commands)
    width = std::max(width, std::strlen(c.name) + 1 + std::strlen(c.arguments));
  for (const ToolCommand& c : commands) {
    std::string head = std::string(c.name) + " " + c.arguments;
    head.resize(width, ' ');
    text += "  " + head + "  " + c.summary + "\n";
  }
  text +=
      "\nSLOT is 0 to 3; N (the seed) is 0 to 4294967295. An option is given at most once;\n"
      "a lone -- ends the options, so that a file name may start with -.\n"
      "tessarix-puzzles --help (or -h, help) prints this text.\n";
  return text;
}

}  // namespace tessarix::tool
