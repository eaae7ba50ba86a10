#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "state/session.h"

namespace meshmill {

// The .asc files of one processing run: the target itself, or one file per
// 255 objects named target_01.asc ... target_09.asc, target_010.asc ...
// Each is written beside its final name and moved into place by close_all(),
// so a run that fails leaves earlier files of those names untouched.
class SplitOutputs {
 public:
  // Creates the files; false when one can't be created (the user has been told).
  bool create(Session& session, const std::vector<std::string>& paths);
  // The file of number `n` (from 1); the last file when there are fewer.
  OutputFile& file(std::int64_t n);
  // Its path, chosen the same way.
  const std::string& path(std::int64_t n) const;
  // True when a write failed; reports the first such file.
  bool report_failure(Session& session);
  // Closes every file, moving each into place; false when one fails (reported).
  bool close_all(Session& session);

 private:
  std::vector<std::string> paths_;
  std::vector<std::unique_ptr<OutputFile>> files_;
};

}  // namespace meshmill
