#include "support/folder_snapshot.h"

#include <filesystem>

#include "support/temp_folder.h"

namespace meshmill::testing {

namespace stdfs = std::filesystem;

FolderSnapshot snapshot(const std::string& folder) {
  FolderSnapshot files;
  for (const auto& entry : stdfs::recursive_directory_iterator(folder)) {
    std::string name = entry.path().lexically_relative(folder).generic_string();
    if (entry.is_directory()) {
      files[name + "/"] = std::string();
    } else {
      files[name] = read_file(entry.path().string());
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
