#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace meshmill {

// What the running program learns from the system about itself. Every text is UTF-8.

// The program's arguments, argv[0] included. On Windows they are taken from the
// wide-character command line, since `argv` there holds the ANSI code page's
// lossy version of names such as "Señal_de_tráfico.ase".
std::vector<std::string> command_line_arguments(int argc, char** argv);

// A whole command line without the program's name in front (quoted or not)
// and without the blanks around the rest: the one text the window's start-up
// reads its path from, quotes and all.
std::string command_line_after_program(std::string_view command_line);

#ifdef _WIN32
// The running program's command line after its name, in UTF-8.
std::string command_line_text();
#endif

// Makes standard output and error pass bytes through unchanged: on Windows
// they would turn every "\n" into CR LF, and the console would show UTF-8 as
// its own code page. Nothing to do elsewhere.
void set_up_standard_streams();

// The folder of the running program's executable, "" when the system won't say.
std::string program_folder();

// Standard input is an interactive terminal (questions may be asked on it).
bool stdin_is_terminal();

// The user's own folder for Meshmill's settings: $XDG_CONFIG_HOME/meshmill
// (by default ~/.config/meshmill), or %APPDATA%\Meshmill on Windows; "" when
// the environment names no such place. The folder may not exist yet.
std::string user_config_folder();

}  // namespace meshmill
