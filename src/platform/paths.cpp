#include "platform/paths.h"

namespace meshmill {

namespace {

bool is_separator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/';
#else
  return c == '/';
#endif
}

std::size_t last_separator(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (is_separator(path[i - 1])) return i - 1;
  }
  return std::string_view::npos;
}

}  // namespace

std::string_view file_name(std::string_view path) {
  std::size_t cut = last_separator(path);
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string parent_folder(std::string_view path) {
  std::size_t cut = last_separator(path);
  if (cut == std::string_view::npos) return std::string();
  if (cut == 0) return std::string(path.substr(0, 1));  // the root folder
  return std::string(path.substr(0, cut));
}

std::string base_name(std::string_view path) {
  std::string_view name = file_name(path);
  std::size_t dot = name.rfind('.');
  return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

std::string extension(std::string_view path) {
  std::string_view name = file_name(path);
  std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

std::string join_path(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && !is_separator(path.back())) path += path_separator;
  path += name;
  return path;
}

}  // namespace meshmill
