#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"

namespace meshmill {

struct RestoreStep {
  enum class Kind {
    restored,  // a backup went back to its long name
    removed,   // the short-named copy made from it was removed
    kept,      // a refusal: the files stay as they are
    failed,    // the file system refused a step
  };
  Kind kind;
  std::string text;  // one English line, file names in UTF-8
};

struct RestoreResult {
  std::vector<RestoreStep> steps;  // in order, one a file touched or left

  // Some step was refused or failed.
  bool refused() const;
};

// Undoes the shortening of long texture names in a TIFFRGB folder. The
// shortening copied each long X.tif to the backup X.ti, then renamed X.tif to
// a short name; the folder keeps no record of which, so:
//  - every X.ti (in name order) goes back to X.tif, unless a file already
//    holds that name (any letter case): then nothing of it is touched;
//  - the short-named copy is the one other .tif that is byte-identical to the
//    backup (the long names of backups and the files matching them never
//    count); it is removed once the backup is back. When none is identical
//    (the copy was changed) or several are, all of them stay, and the step
//    says so.
// Nothing else in the folder is touched.
RestoreResult restore_texture_names(FileSystem& fs, const std::string& tiffrgb_folder);

}  // namespace meshmill
