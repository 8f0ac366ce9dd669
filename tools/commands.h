// The subcommands of tessarix-puzzles: each lives in a file of its own and registers itself
// here, so a new command needs no edit anywhere else.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tessarix::tool {

inline constexpr int exitOk = 0;
inline constexpr int exitError = 1;  // a file or slot that cannot be used
inline constexpr int exitUsage = 2;  // wrong arguments: the usage text follows

struct ToolCommand {
  const char* name;       // "show"
  const char* arguments;  // "FILE SLOT [--givens]"
  const char* summary;    // one line for the usage text
  // args are the words after the command name. Returns an exit code; on exitUsage the
  // caller prints the usage text after whatever the command wrote to err.
  int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

// A command file defines one static CommandRegistration for its command.
class CommandRegistration {
 public:
  explicit CommandRegistration(const ToolCommand& command);
};

// All registered commands, sorted by name.
std::vector<ToolCommand> toolCommands();

// The usage text listing every registered command.
std::string usageText();

// A whole command line (the words after the program's name): "--help", or the command it
// names with its arguments. Returns the exit code; the usage text follows a usage error.
int runTool(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace tessarix::tool
