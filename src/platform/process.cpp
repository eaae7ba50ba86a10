#include "platform/process.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/paths.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include "platform/wide_text.h"
#else
#include <unistd.h>

#include <filesystem>
#include <system_error>
#endif

namespace meshmill {

std::string command_line_after_program(std::string_view command_line) {
  constexpr std::string_view blanks = " \t";
  std::size_t end = 0;
  if (!command_line.empty() && command_line.front() == '"') {
    end = command_line.find('"', 1);
    end = end == std::string_view::npos ? command_line.size() : end + 1;
  } else {
    end = std::min(command_line.find_first_of(blanks), command_line.size());
  }
  std::string_view rest = command_line.substr(end);
  std::size_t first = rest.find_first_not_of(blanks);
  if (first == std::string_view::npos) return std::string();
  return std::string(rest.substr(first, rest.find_last_not_of(blanks) - first + 1));
}

#ifdef _WIN32

namespace {

std::string environment_variable(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  return value ? utf16_to_utf8(value) : std::string();
}

}  // namespace

std::vector<std::string> command_line_arguments(int, char**) {
  std::vector<std::string> arguments;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide) {
    for (int i = 0; i < count; ++i) arguments.push_back(utf16_to_utf8(wide[i]));
    LocalFree(wide);
  }
  return arguments;
}

std::string command_line_text() {
  return command_line_after_program(utf16_to_utf8(GetCommandLineW()));
}

void set_up_standard_streams() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
}

std::string program_folder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::string();
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // the name was cut: try a larger buffer
  }
  return parent_folder(utf16_to_utf8(path));
}

// _isatty() also holds for the NUL device; only a console has a console mode.
bool stdin_is_terminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

std::string user_config_folder() {
  std::string base = environment_variable(L"APPDATA");
  return base.empty() ? std::string() : join_path(base, "Meshmill");
}

#else

namespace {

std::string environment_variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

}  // namespace

std::vector<std::string> command_line_arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

void set_up_standard_streams() {}

std::string program_folder() {
  std::error_code error;
  auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::string();
  return parent_folder(path.string());
}

bool stdin_is_terminal() {
  return isatty(STDIN_FILENO) == 1;
}

std::string user_config_folder() {
  std::string base = environment_variable("XDG_CONFIG_HOME");
  // The XDG rules ignore a relative setting.
  if (base.empty() || base.front() != '/') {
    std::string home = environment_variable("HOME");
    if (home.empty()) return std::string();
    base = join_path(home, ".config");
  }
  return join_path(base, "meshmill");
}

#endif

}  // namespace meshmill
