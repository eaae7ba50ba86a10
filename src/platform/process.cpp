#include "platform/process.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>
#endif

#include "platform/paths.h"
#include "platform/wide_text.h"

namespace meshmill {

namespace {

#ifdef _WIN32

std::string environment_variable(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  return value ? utf16_to_utf8(value) : std::string();
}

#else

std::string environment_variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

#endif

}  // namespace

std::vector<std::string> command_line_arguments(int argc, char** argv) {
  std::vector<std::string> arguments;
#ifdef _WIN32
  (void)argc;
  (void)argv;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide) {
    for (int i = 0; i < count; ++i) arguments.push_back(utf16_to_utf8(wide[i]));
    LocalFree(wide);
  }
#else
  for (int i = 0; i < argc; ++i) arguments.emplace_back(argv[i]);
#endif
  return arguments;
}

void set_up_standard_streams() {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
#endif
}

std::string executable_folder() {
#ifdef _WIN32
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::string();
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // cut off: try a longer buffer
  }
  return parent_folder(utf16_to_utf8(path));
#else
  std::error_code error;
  auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::string();
  return parent_folder(path.string());
#endif
}

std::string user_config_folder() {
#ifdef _WIN32
  std::string base = environment_variable(L"APPDATA");
  return base.empty() ? std::string() : join_path(base, "Meshmill");
#else
  std::string base = environment_variable("XDG_CONFIG_HOME");
  // The XDG rules ignore a relative setting.
  if (base.empty() || base.front() != '/') {
    std::string home = environment_variable("HOME");
    if (home.empty()) return std::string();
    base = join_path(home, ".config");
  }
  return join_path(base, "meshmill");
#endif
}

}  // namespace meshmill
