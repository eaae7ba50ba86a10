#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace meshmill {

// An option that stands alone: `--json` sets `value`.
struct FlagOption {
  const char* name;
  bool* value;
};

// An option followed by its value: `--report FILE`. `given` (when not null)
// is set when the option appears.
struct ValueOption {
  const char* name;
  std::string* value;
  bool* given = nullptr;
};

// True when the arguments ask for the command's help (`--help` or `-h`).
bool asks_for_help(const std::vector<std::string>& args);

// Prints a command's help, put together from its parts, to standard output.
void print_help(std::initializer_list<const char*> parts);

// Parses a command's arguments: the options of both tables and one SCENE,
// the only argument that is no option. On a wrong command line it prints the
// reason and the pointer to the help, and answers false.
bool parse_command_line(const char* command, const std::vector<std::string>& args,
                        std::initializer_list<FlagOption> flags,
                        std::initializer_list<ValueOption> values, std::string& scene);

// Prints "meshmill-cli COMMAND: TEXT" and the pointer to the command's help
// to standard error; answers false.
bool usage_error(const char* command, const std::string& text);

}  // namespace meshmill
