#pragma once

#include <string>
#include <string_view>

namespace meshmill {

// Path arithmetic on UTF-8 paths of the local system. On Windows both `\` and
// `/` separate folders; elsewhere only `/` does.
inline constexpr char path_separator =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif
// Scene files name Windows paths, which are paths of this system only there.
inline constexpr bool system_is_windows = path_separator == '\\';

// The folder of a path, without a trailing separator ("" when there is none).
std::string parent_folder(std::string_view path);
// The file name without its folder, extension included.
std::string_view file_name(std::string_view path);
// The file name without folder and without extension.
std::string base_name(std::string_view path);
// The extension without the dot ("" when there is none).
std::string extension(std::string_view path);
// folder + separator + name.
std::string join_path(std::string_view folder, std::string_view name);

}  // namespace meshmill
