#include "platform/process.h"

#include "platform/paths.h"

#ifdef _WIN32
#include <io.h>
#include <stdio.h>
#include <windows.h>
#else
#include <unistd.h>

#include <filesystem>
#include <system_error>
#endif

namespace meshmill {

#ifdef _WIN32

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
  int size = WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), utf8.data(), size,
                      nullptr, nullptr);
  return parent_folder(utf8);
}

bool stdin_is_terminal() {
  return _isatty(_fileno(stdin)) != 0;
}

#else

std::string program_folder() {
  std::error_code error;
  auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::string();
  return parent_folder(path.string());
}

bool stdin_is_terminal() {
  return isatty(STDIN_FILENO) == 1;
}

#endif

}  // namespace meshmill
