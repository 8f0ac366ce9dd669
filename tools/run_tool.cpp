// The whole command line of tessarix-puzzles: the command it names, or the usage text.
#include "commands.h"

namespace tessarix::tool {

int runTool(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
  if (words.empty()) {
    err << usageText();
    return exitUsage;
  }
  if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    out << usageText();
    return exitOk;
  }
  for (const ToolCommand& command : toolCommands()) {
    if (words[0] != command.name) continue;
    const int code = command.run({words.begin() + 1, words.end()}, out, err);
    if (code == exitUsage) err << usageText();
    return code;
  }
  err << "tessarix-puzzles: unknown command " << words[0] << "\n" << usageText();
  return exitUsage;
}

}  // namespace tessarix::tool
