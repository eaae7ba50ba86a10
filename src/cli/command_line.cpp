#include "cli/command_line.h"

#include <cstdio>

namespace meshmill {

bool asks_for_help(const std::vector<std::string>& args) {
  for (const auto& arg : args) {
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

void print_help(std::initializer_list<const char*> parts) {
  for (const char* part : parts) std::fputs(part, stdout);
}

bool usage_error(const char* command, const std::string& text) {
  std::fprintf(stderr, "meshmill-cli %s: %s\nTry 'meshmill-cli %s --help'.\n", command,
               text.c_str(), command);
  return false;
}

bool parse_command_line(const char* command, const std::vector<std::string>& args,
                        std::initializer_list<FlagOption> flags,
                        std::initializer_list<ValueOption> values, std::string& scene) {
  bool have_scene = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    bool taken = false;
    for (const FlagOption& flag : flags) {
      if (arg == flag.name) *flag.value = taken = true;
    }
    for (const ValueOption& option : values) {
      if (taken || arg != option.name) continue;
      // A report needs a file name; other values may be empty, as typed.
      const bool is_report = arg == "--report";
      if (i + 1 == args.size() || (is_report && args[i + 1].empty())) {
        return usage_error(command, std::string(is_report ? "a file name" : "a value") +
                                        " is missing after " + arg);
      }
      *option.value = args[++i];
      if (option.given) *option.given = true;
      taken = true;
    }
    if (taken) continue;
    if (arg.size() > 1 && arg[0] == '-') return usage_error(command, "unknown option " + arg);
    if (have_scene) return usage_error(command, "only one scene, please (" + arg + ")");
    scene = arg;
    have_scene = true;
  }
  if (!have_scene) return usage_error(command, "which scene? (SCENE missing)");
  return true;
}

}  // namespace meshmill
