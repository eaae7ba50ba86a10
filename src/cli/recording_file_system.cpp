#include "cli/recording_file_system.h"

#include <algorithm>

namespace meshmill {

std::unique_ptr<OutputFile> RecordingFileSystem::create(const std::string& path, CreateMode mode,
                                                        std::string* why) {
  auto file = inner_.create(path, mode, why);
  if (file && std::find(created_.begin(), created_.end(), path) == created_.end()) {
    created_.push_back(path);
  }
  return file;
}

}  // namespace meshmill
