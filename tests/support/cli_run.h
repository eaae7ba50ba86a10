#pragma once

#include <cstdlib>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "support/temp_folder.h"

namespace meshmill::testing {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

#if defined(MESHMILL_CLI) && !defined(_WIN32)
// Runs the built program through the POSIX shell, without a terminal on its input.
inline CliRun run_cli(const TempFolder& folder, const std::string& args) {
  std::string command = std::string("\"") + MESHMILL_CLI + "\" " + args + " >\"" +
                        folder.file("out.txt") + "\" 2>\"" + folder.file("err.txt") +
                        "\" </dev/null";
  int raw = std::system(command.c_str());
  int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return {status, folder.read("out.txt"), folder.read("err.txt")};
}
#endif

}  // namespace meshmill::testing
