#pragma once

#include "platform/file_system.h"

namespace meshmill {

// Passes every call on to another file system; decorators (recording what a
// run creates, injecting faults in tests) override only what they change.
class ForwardingFileSystem : public FileSystem {
 public:
  explicit ForwardingFileSystem(FileSystem& inner) : inner_(inner) {}

  bool file_exists(const std::string& path) override { return inner_.file_exists(path); }
  bool folder_exists(const std::string& path) override { return inner_.folder_exists(path); }
  bool entry_exists(const std::string& path) override { return inner_.entry_exists(path); }
  std::optional<std::int64_t> file_size(const std::string& path) override {
    return inner_.file_size(path);
  }
  std::unique_ptr<InputStream> open_read(const std::string& path, std::string* why) override {
    return inner_.open_read(path, why);
  }
  std::unique_ptr<OutputFile> create(const std::string& path, CreateMode mode,
                                     std::string* why) override {
    return inner_.create(path, mode, why);
  }
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
  std::optional<std::vector<std::string>> list_folder(const std::string& folder) override {
    return inner_.list_folder(folder);
  }

 protected:
  FileSystem& inner_;
};

}  // namespace meshmill
