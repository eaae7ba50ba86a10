#include "support/folder_snapshot.h"

#include <filesystem>

#include "support/temp_folder.h"

namespace meshmill::testing {

namespace stdfs = std::filesystem;

namespace {

// Paths are UTF-8 in the tests as in the program, whatever the system's code page.
std::string utf8(const std::u8string& text) {
  return std::string(text.begin(), text.end());
}

}  // namespace

FolderSnapshot snapshot(const std::string& folder) {
  FolderSnapshot files;
  stdfs::path root(std::u8string(folder.begin(), folder.end()));
  for (const auto& entry : stdfs::recursive_directory_iterator(root)) {
    std::string name = utf8(entry.path().lexically_relative(root).generic_u8string());
    if (entry.is_directory()) {
      files[name + "/"] = std::string();
    } else {
      files[name] = read_file(utf8(entry.path().u8string()));
    }
  }
  return files;
}

std::vector<std::string> changes(const FolderSnapshot& before, const FolderSnapshot& after) {
  std::vector<std::string> result;
  for (const auto& [name, bytes] : before) {
    auto found = after.find(name);
    if (found == after.end()) {
      result.push_back("-" + name);
    } else if (found->second != bytes) {
      result.push_back("*" + name);
    }
  }
  for (const auto& [name, bytes] : after) {
    if (!before.contains(name)) result.push_back("+" + name);
  }
  return result;
}

}  // namespace meshmill::testing
