#include "report/file_palette.h"

#include <algorithm>

namespace meshmill {

FilePalette::FilePalette(const SceneRecords& records) {
  for (const ObjectRecord& object : records.objects) {
    if (object.file.empty()) continue;
    // Objects fill the files in turn, so the last file seen is nearly always the one.
    if (!files_.empty() && files_.back() == object.file) continue;
    if (std::find(files_.begin(), files_.end(), object.file) == files_.end()) {
      files_.push_back(object.file);
    }
  }
}

std::string FilePalette::colour_class(const std::string& file) const {
  auto at = std::find(files_.begin(), files_.end(), file);
  auto index = static_cast<std::size_t>(at - files_.begin());
  // Appended rather than `"c" + std::to_string(...)`, which g++ 12 flags
  // (wrongly) with -Wrestrict in optimised builds.
  std::string name = "c";
  name += std::to_string(index % colour_count);
  return name;
}

std::string FilePalette::object_class(const ObjectRecord& object) const {
  if (object.skipped || object.processing == ProcessingVerdict::left_out) return "bad";
  if (object.processing == ProcessingVerdict::filtered) return "off";
  if (object.file.empty()) return "off";
  return colour_class(object.file);
}

}  // namespace meshmill
