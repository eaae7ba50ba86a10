#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "state/scene_records.h"

namespace meshmill {

// One colour per .asc file, in the order the files take objects; the page's
// style sheet defines the classes "c0" ... "c<n>" that go with them.
class FilePalette {
 public:
  static constexpr std::size_t colour_count = 12;

  explicit FilePalette(const SceneRecords& records);

  const std::vector<std::string>& files() const { return files_; }
  // The class of a file's colour: "c" and its number (colours repeat after colour_count files).
  std::string colour_class(const std::string& file) const;
  // The class an object is drawn with: its file's colour, "bad" for an object
  // skipped or left out, "off" for one the filter left out.
  std::string object_class(const ObjectRecord& object) const;

 private:
  std::vector<std::string> files_;
};

}  // namespace meshmill
