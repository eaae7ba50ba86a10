#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

#include "platform/ascii_case.h"
#include "platform/file_system.h"
#include "platform/wide_text.h"

namespace meshmill {

namespace stdfs = std::filesystem;

namespace {

stdfs::path to_path(const std::string& utf8) {
  return stdfs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string from_path(const stdfs::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::FILE* open_file(const std::string& path, const char* mode) {
#ifdef _WIN32
  std::wstring wide_mode(mode, mode + std::strlen(mode));
  return _wfopen(to_path(path).c_str(), wide_mode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

void set_reason(std::string* why, const std::string& reason) {
  if (why) *why = reason;
}

constexpr const char* not_regular_reason = "It is not a regular file (a device or a pipe)";
constexpr const char* read_only_reason = "The file is read-only";

// Windows refuses to replace a read-only file; so does Meshmill everywhere, even
// for a user (root) whom the system would let through.
bool is_read_only(const std::string& path) {
  std::error_code error;
  auto status = stdfs::status(to_path(path), error);
  return !error && stdfs::is_regular_file(status) &&
         (status.permissions() & stdfs::perms::owner_write) == stdfs::perms::none;
}

// Moves `from` to `to`, replacing a file that is there already.
bool replace_file(const std::string& from, const std::string& to, std::string* why) {
  if (is_read_only(to)) {
    set_reason(why, read_only_reason);
    return false;
  }
#ifdef _WIN32
  // A plain rename onto an existing file fails on Windows.
  if (MoveFileExW(to_path(from).c_str(), to_path(to).c_str(), MOVEFILE_REPLACE_EXISTING))
    return true;
  DWORD code = GetLastError();
  set_reason(why, code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION
                      ? std::string("The file is open in another program")
                      : system_error_text(code));
  return false;
#else
  std::error_code error;
  stdfs::rename(to_path(from), to_path(to), error);
  if (error) set_reason(why, error.message());
  return !error;
#endif
}

bool report(const std::error_code& error, std::string* why) {
  if (error) set_reason(why, error.message());
  return !error;
}

class FileInput : public InputStream {
 public:
  explicit FileInput(std::FILE* file) : file_(file) {}
  ~FileInput() override { std::fclose(file_); }
  std::ptrdiff_t read(char* buffer, std::size_t size) override {
    std::size_t got = std::fread(buffer, 1, size, file_);
    if (got == 0 && std::ferror(file_)) {
      error_ = std::strerror(errno);
      return -1;
    }
    return static_cast<std::ptrdiff_t>(got);
  }
  const std::string& error() const override { return error_; }

 private:
  std::FILE* file_;
  std::string error_;
};

class FileOutput : public OutputFile {
 public:
  FileOutput(std::FILE* file, std::string written_path, std::string final_path)
      : file_(file), written_path_(std::move(written_path)), final_path_(std::move(final_path)) {
    buffer_.reserve(buffer_size);
  }
  ~FileOutput() override {
    if (!file_) return;
    std::fclose(file_);
    // Never committed: a file written beside its final name is discarded.
    if (written_path_ != final_path_) discard(written_path_);
  }
  void write(std::string_view bytes) override {
    if (failed_ || !file_) return;
    if (buffer_.size() + bytes.size() > buffer_size) flush();
    if (bytes.size() >= buffer_size) {
      put(bytes);
    } else {
      buffer_.append(bytes);
    }
  }
  bool close() override {
    if (!file_) return !failed_;
    flush();
    if (std::fclose(file_) != 0 && !failed_) fail();
    file_ = nullptr;
    if (written_path_ != final_path_) {
      if (failed_) {
        discard(written_path_);
      } else {
        if (!replace_file(written_path_, final_path_, &error_)) {
          failed_ = true;
          discard(written_path_);
        }
      }
    }
    return !failed_;
  }
  bool failed() const override { return failed_; }
  const std::string& error() const override { return error_; }

 private:
  static constexpr std::size_t buffer_size = 1 << 16;

  void flush() {
    put(buffer_);
    buffer_.clear();
  }
  void put(std::string_view bytes) {
    if (failed_ || bytes.empty()) return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) fail();
  }
  void fail() {
    failed_ = true;
    error_ = std::strerror(errno);
  }

  static void discard(const std::string& path) {
    std::error_code ignored;
    stdfs::remove(to_path(path), ignored);
  }

  std::FILE* file_;
  std::string written_path_;
  std::string final_path_;
  std::string buffer_;
  bool failed_ = false;
  std::string error_;
};

class NativeFileSystem : public FileSystem {
 public:
  bool file_exists(const std::string& path) override {
    std::error_code error;
    return stdfs::is_regular_file(to_path(path), error);
  }
  bool entry_exists(const std::string& path) override {
    std::error_code error;
    return stdfs::exists(to_path(path), error);
  }
  bool folder_exists(const std::string& path) override {
    std::error_code error;
    return stdfs::is_directory(to_path(path), error);
  }
  std::optional<std::int64_t> file_size(const std::string& path) override {
    std::error_code error;
    auto size = stdfs::file_size(to_path(path), error);
    if (error) return std::nullopt;
    return static_cast<std::int64_t>(size);
  }
  std::unique_ptr<InputStream> open_read(const std::string& path, std::string* why) override {
    if (folder_exists(path)) {
      set_reason(why, std::make_error_code(std::errc::is_a_directory).message());
      return nullptr;
    }
    if (entry_exists(path) && !file_exists(path)) {
      set_reason(why, not_regular_reason);
      return nullptr;
    }
    std::FILE* file = open_file(path, "rb");
    if (!file) {
      set_reason(why, std::strerror(errno));
      return nullptr;
    }
    return std::make_unique<FileInput>(file);
  }
  std::unique_ptr<OutputFile> create(const std::string& path, CreateMode mode,
                                     std::string* why) override {
    if (is_read_only(path)) {
      set_reason(why, read_only_reason);
      return nullptr;
    }
    std::string written = mode == CreateMode::direct ? path : path + ".meshmill-part";
    std::FILE* file = open_file(written, "wb");
    if (!file) {
      set_reason(why, std::strerror(errno));
      return nullptr;
    }
    return std::make_unique<FileOutput>(file, written, path);
  }
  bool remove_file(const std::string& path, std::string* why) override {
    std::error_code error;
    bool removed = stdfs::remove(to_path(path), error);
    if (!error && !removed) error = std::make_error_code(std::errc::no_such_file_or_directory);
    return report(error, why);
  }
  bool copy_file(const std::string& from, const std::string& to, std::string* why) override {
    if (is_read_only(to)) {
      set_reason(why, read_only_reason);
      return false;
    }
    std::error_code error;
    stdfs::copy_file(to_path(from), to_path(to), stdfs::copy_options::overwrite_existing, error);
    return report(error, why);
  }
  bool rename_file(const std::string& from, const std::string& to, std::string* why) override {
    return replace_file(from, to, why);
  }
  bool create_folder(const std::string& path, std::string* why) override {
    std::error_code error;
    stdfs::create_directory(to_path(path), error);
    return report(error, why);
  }
  bool remove_folder(const std::string& path) override {
    std::error_code error;
    if (!stdfs::is_directory(to_path(path), error)) return false;
    return stdfs::remove(to_path(path), error) && !error;
  }
  std::optional<std::string> find_entry_ignoring_case(const std::string& folder,
                                                      const std::string& name) override {
    // The folder is listed even when the name exists as given: on Windows that
    // test ignores letter case and would hide the spelling on disk.
    std::error_code error;
    std::optional<std::string> found;
    for (stdfs::directory_iterator it(to_path(folder), error), end; !error && it != end;
         it.increment(error)) {
      std::string entry = from_path(it->path().filename());
      if (entry == name) return entry;
      if (!found && equal_ignoring_case(entry, name)) found = entry;
    }
    return found;
  }
  std::optional<std::vector<std::string>> list_folder(const std::string& folder) override {
    std::error_code error;
    std::vector<std::string> names;
    for (stdfs::directory_iterator it(to_path(folder), error), end; !error && it != end;
         it.increment(error)) {
      std::error_code ignored;
      if (it->is_regular_file(ignored)) names.push_back(from_path(it->path().filename()));
    }
    if (error) return std::nullopt;
    return names;
  }
};

}  // namespace

std::unique_ptr<FileSystem> make_native_file_system() {
  return std::make_unique<NativeFileSystem>();
}

}  // namespace meshmill
