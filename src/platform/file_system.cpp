#include "platform/file_system.h"

namespace meshmill {

std::optional<std::string> read_whole_file(FileSystem& fs, const std::string& path,
                                           std::int64_t largest, std::string* why) {
  auto size = fs.file_size(path);
  if (size && *size > largest) {
    if (why) *why = "the file is too large (" + std::to_string(*size) + " bytes)";
    return std::nullopt;
  }
  auto input = fs.open_read(path, why);
  if (!input) return std::nullopt;
  std::string bytes;
  if (size) bytes.reserve(static_cast<std::size_t>(*size));
  char buffer[1 << 16];
  for (;;) {
    std::ptrdiff_t got = input->read(buffer, sizeof buffer);
    if (got < 0) {
      if (why) *why = input->error();
      return std::nullopt;
    }
    if (got == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(got));
    // The file may have grown since its size was taken.
    if (static_cast<std::int64_t>(bytes.size()) > largest) {
      if (why) *why = "the file is too large";
      return std::nullopt;
    }
  }
}

bool write_file_atomically(FileSystem& fs, const std::string& path, std::string_view bytes,
                           std::string* why) {
  auto file = fs.create(path, CreateMode::replace_when_complete, why);
  if (!file) return false;
  file->write(bytes);
  if (file->close()) return true;
  if (why) *why = file->error();
  return false;
}

}  // namespace meshmill
