#include "processing/split_outputs.h"

#include <algorithm>

#include "processing/file_failure.h"

namespace meshmill {

bool SplitOutputs::create(Session& session, const std::vector<std::string>& paths) {
  paths_ = paths;
  files_.clear();
  for (const std::string& path : paths_) {
    std::string why;
    auto file = session.fs.create(path, CreateMode::replace_when_complete, &why);
    if (!file) {
      files_.clear();
      report_write_failure(session, path, why);
      return false;
    }
    files_.push_back(std::move(file));
  }
  return true;
}

const std::string& SplitOutputs::path(std::int64_t n) const {
  std::int64_t last = static_cast<std::int64_t>(paths_.size());
  return paths_[static_cast<std::size_t>(std::clamp<std::int64_t>(n, 1, last) - 1)];
}

OutputFile& SplitOutputs::file(std::int64_t n) {
  std::int64_t last = static_cast<std::int64_t>(files_.size());
  return *files_[static_cast<std::size_t>(std::clamp<std::int64_t>(n, 1, last) - 1)];
}

bool SplitOutputs::report_failure(Session& session) {
  for (std::size_t i = 0; i < files_.size(); ++i) {
    if (files_[i]->failed()) {
      report_write_failure(session, paths_[i], files_[i]->error());
      return true;
    }
  }
  return false;
}

bool SplitOutputs::close_all(Session& session) {
  // Nothing moves into place when any file already failed.
  if (report_failure(session)) {
    files_.clear();
    return false;
  }
  for (std::size_t i = 0; i < files_.size(); ++i) {
    if (!files_[i]->close()) {
      report_failure(session);
      files_.clear();
      return false;
    }
    session.scene.processed_files.push_back(paths_[i]);
  }
  files_.clear();
  return true;
}

}  // namespace meshmill
