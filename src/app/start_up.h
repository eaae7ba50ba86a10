#pragma once

#include <string>
#include <vector>

#include "app/window_session.h"

namespace meshmill {

// The window's start-up: fresh statistics, the options file loaded, pending
// window events run, then the scene named on the command line (if any) analysed
// without the open dialog.
void start_up(WindowSession& session, const std::string& command_line);

// The program's arguments as the one command-line text the start-up expects:
// joined with blanks, so an unquoted path with blanks arrives whole.
std::string join_command_line(const std::vector<std::string>& arguments);

}  // namespace meshmill
