#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"

namespace meshmill {

// Passes every call on to the real file system and remembers the files the
// commands created, so a report can list what a run left behind.
class RecordingFileSystem : public FileSystem {
 public:
  explicit RecordingFileSystem(FileSystem& inner) : inner_(inner) {}

  // Paths of the files created, in order of creation (once each).
  const std::vector<std::string>& created() const { return created_; }

  bool file_exists(const std::string& path) override { return inner_.file_exists(path); }
  bool folder_exists(const std::string& path) override { return inner_.folder_exists(path); }
  std::optional<std::int64_t> file_size(const std::string& path) override {
    return inner_.file_size(path);
  }
  std::unique_ptr<InputStream> open_read(const std::string& path, std::string* why) override {
    return inner_.open_read(path, why);
  }
  std::unique_ptr<OutputFile> create(const std::string& path, CreateMode mode,
                                     std::string* why) override;
  bool remove_file(const std::string& path, std::string* why) override {
    return inner_.remove_file(path, why);
  }
  bool copy_file(const std::string& from, const std::string& to, std::string* why) override {
    return inner_.copy_file(from, to, why);
  }
  bool rename_file(const std::string& from, const std::string& to, std::string* why) override {
    return inner_.rename_file(from, to, why);
  }
  bool create_folder(const std::string& path, std::string* why) override {
    return inner_.create_folder(path, why);
  }
  bool remove_folder(const std::string& path) override { return inner_.remove_folder(path); }
  std::optional<std::string> find_entry_ignoring_case(const std::string& folder,
                                                      const std::string& name) override {
    return inner_.find_entry_ignoring_case(folder, name);
  }

 private:
  FileSystem& inner_;
  std::vector<std::string> created_;
};

}  // namespace meshmill
