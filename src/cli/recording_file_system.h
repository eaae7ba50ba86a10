#pragma once

#include <string>
#include <vector>

#include "platform/forwarding_file_system.h"

namespace meshmill {

// The real file system, remembering the files the commands created, so a
// report can list what a run left behind.
class RecordingFileSystem : public ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;

  // Paths of the files created, in order of creation (once each).
  const std::vector<std::string>& created() const { return created_; }

  std::unique_ptr<OutputFile> create(const std::string& path, CreateMode mode,
                                     std::string* why) override;

 private:
  std::vector<std::string> created_;
};

}  // namespace meshmill
