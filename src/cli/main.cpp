#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "platform/process.h"
#include "platform/version.h"

namespace {

using meshmill::exit_status::done;
using meshmill::exit_status::usage;

struct Command {
  const char* name;
  const char* synopsis;
  int (*run)(const std::vector<std::string>&);
};

constexpr Command commands[] = {
    {"analyze",
     "analyze SCENE [--json] [--report FILE.html]   check a scene and show its statistics",
     meshmill::run_analyze},
    {"convert",
     "convert SCENE [-o TARGET.asc] [OPTIONS]   analyse a scene and write the files Plaything2 "
     "imports",
     meshmill::run_convert},
    {"restore-textures",
     "restore-textures SCENE [--json]   give shortened texture files their long names back",
     meshmill::run_restore_textures},
};

void print_help(std::FILE* out) {
  std::fputs(
      "Usage: meshmill-cli COMMAND [ARGUMENTS]\n"
      "       meshmill-cli --help | --version\n"
      "\n"
      "Converts 3ds Max ASCII scenes (.ase) into what Plaything2 imports.\n"
      "\n"
      "Commands:\n",
      out);
  for (const auto& command : commands) std::fprintf(out, "  %s\n", command.synopsis);
  std::fputs("\nRun 'meshmill-cli COMMAND --help' for the options of a command.\n", out);
}

}  // namespace

int main(int argc, char** argv) {
  meshmill::set_up_standard_streams();
  // UTF-8 on every system (on Windows, argv would hold the ANSI code page).
  std::vector<std::string> args = meshmill::command_line_arguments(argc, argv);
  if (!args.empty()) args.erase(args.begin());
  if (args.empty()) {
    print_help(stderr);
    return usage;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    print_help(stdout);
    return done;
  }
  if (args[0] == "--version") {
    std::printf("meshmill-cli %s\n", meshmill::version);
    return done;
  }
  for (const auto& command : commands) {
    if (args[0] == command.name) return command.run({args.begin() + 1, args.end()});
  }
  std::fprintf(stderr, "meshmill-cli: unknown command %s\n", args[0].c_str());
  print_help(stderr);
  return usage;
}
