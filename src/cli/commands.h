#pragma once

#include <string>
#include <vector>

namespace meshmill {

// Exit statuses of every command.
namespace exit_status {
inline constexpr int done = 0;     // the command did its work (skipped objects included)
inline constexpr int refused = 1;  // the scene was refused or the command cancelled
inline constexpr int usage = 2;    // the command line was wrong
}  // namespace exit_status

// Each command takes the arguments after its name and returns the exit status.
int run_analyze(const std::vector<std::string>& args);
int run_convert(const std::vector<std::string>& args);
int run_restore_textures(const std::vector<std::string>& args);

}  // namespace meshmill
