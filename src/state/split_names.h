#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "format/limits.h"

namespace meshmill {

// The names of the `count` split files of the target .asc: its last four
// characters (the extension) become "_01.asc", "_02.asc" ... "_09.asc",
// "_010.asc" ...
std::vector<std::string> split_file_names(const std::string& target, std::int64_t count);

// The file (from 1) that the `index`-th written object (from 0) goes into
// when the split is in force: Plaything2 imports at most `objects_per_asc_file`
// objects a file.
inline std::int64_t split_file_number(std::int64_t index, std::int64_t files) {
  std::int64_t number = index / objects_per_asc_file + 1;
  return number < files ? number : files;
}

}  // namespace meshmill
