#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meshmill {

// Paths handed to the file system are UTF-8; the platform converts them where
// the system wants something else. Every file is opened in binary mode.

class InputStream {
 public:
  virtual ~InputStream() = default;
  // Reads up to `size` bytes; returns the number read, 0 at the end, -1 on failure (see error()).
  virtual std::ptrdiff_t read(char* buffer, std::size_t size) = 0;
  virtual const std::string& error() const = 0;
};

class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // Buffered; a failure is sticky and reported by close() and error().
  virtual void write(std::string_view bytes) = 0;
  void write_line(std::string_view text) {
    write(text);
    write("\r\n");
  }
  // Flushes and closes. A file created with `replace_when_complete` moves into
  // place only here; one destroyed without close() leaves the old file untouched.
  virtual bool close() = 0;
  virtual bool failed() const = 0;
  virtual const std::string& error() const = 0;
};

enum class CreateMode {
  direct,                // truncates the file at once and writes into it
  replace_when_complete  // writes beside the final name, moves into place on close()
};

// The file-system service: every OS call of the core goes through it, so tests
// can inject faults.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // A regular file is there (not a folder, a device or a pipe).
  virtual bool file_exists(const std::string& path) = 0;
  virtual bool folder_exists(const std::string& path) = 0;
  // Anything is there: a file, a folder, a device...
  virtual bool entry_exists(const std::string& path) {
    return file_exists(path) || folder_exists(path);
  }
  virtual std::optional<std::int64_t> file_size(const std::string& path) = 0;

  // On failure these return null/false and, when `why` is given, the system's reason.
  // Only regular files are opened for reading: a device or a pipe could
  // never end, or block the opening.
  virtual std::unique_ptr<InputStream> open_read(const std::string& path, std::string* why) = 0;
  virtual std::unique_ptr<OutputFile> create(const std::string& path, CreateMode mode,
                                             std::string* why) = 0;
  virtual bool remove_file(const std::string& path, std::string* why = nullptr) = 0;
  virtual bool copy_file(const std::string& from, const std::string& to,
                         std::string* why = nullptr) = 0;
  virtual bool rename_file(const std::string& from, const std::string& to,
                           std::string* why = nullptr) = 0;
  virtual bool create_folder(const std::string& path, std::string* why = nullptr) = 0;
  // Removes an empty folder only.
  virtual bool remove_folder(const std::string& path) = 0;
  // The name of the entry of `folder` that equals `name` without regard to
  // (ASCII) letter case, the exact match first; nothing when there is none.
  virtual std::optional<std::string> find_entry_ignoring_case(const std::string& folder,
                                                              const std::string& name) = 0;
  // The names of the regular files in a folder, in no particular order;
  // nothing when the folder cannot be listed.
  virtual std::optional<std::vector<std::string>> list_folder(const std::string& folder) = 0;
};

// The bytes of a file, or nothing with the reason in `why` (a file larger
// than `largest` bytes is refused before it is read).
std::optional<std::string> read_whole_file(FileSystem& fs, const std::string& path,
                                           std::int64_t largest, std::string* why);

// Writes the bytes beside `path` and moves them into place when complete, so
// a failure leaves no half-written file and any old file as it was.
bool write_file_atomically(FileSystem& fs, const std::string& path, std::string_view bytes,
                           std::string* why);

// The system's own file system.
std::unique_ptr<FileSystem> make_native_file_system();

}  // namespace meshmill
