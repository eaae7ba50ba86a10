#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace meshmill {

// The bytes of a file, or nothing with the reason in `why` (a file larger
// than `largest` bytes is refused before it is read).
std::optional<std::string> read_whole_file(FileSystem& fs, const std::string& path,
                                           std::int64_t largest, std::string* why);

// Writes the bytes beside `path` and moves them into place when complete, so
// a failure leaves no half-written file and any old file as it was.
bool write_file_atomically(FileSystem& fs, const std::string& path, std::string_view bytes,
                           std::string* why);

}  // namespace meshmill
