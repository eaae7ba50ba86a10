#pragma once

#include <string>

#include "support/temp_folder.h"

namespace meshmill::testing {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

// Runs the built meshmill-cli through the system's shell with `args` (paths in
// double quotes, UTF-8), standard input empty.
CliRun run_cli(const std::string& args);

// A path as JSON writes it: Windows' backslashes are escaped.
std::string json_path(const std::string& path);

}  // namespace meshmill::testing
