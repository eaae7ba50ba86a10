#include "state/scene_records.h"

#include "platform/paths.h"
#include "state/split_names.h"

namespace meshmill {

const char* ObjectRecord::status() const {
  if (skipped) return "skipped";
  switch (processing) {
    case ProcessingVerdict::written:
      return "written";
    case ProcessingVerdict::left_out:
      return "left-out";
    case ProcessingVerdict::filtered:
      return "filtered";
    case ProcessingVerdict::none:
      break;
  }
  return "valid";
}

void assign_expected_files(SceneRecords& records, const std::string& target,
                           std::int64_t files_required, bool split) {
  std::vector<std::string> names = split && files_required >= 2
                                       ? split_file_names(target, files_required)
                                       : std::vector<std::string>{target};
  std::int64_t files = static_cast<std::int64_t>(names.size());
  std::int64_t index = 0;
  for (ObjectRecord& object : records.objects) {
    if (object.skipped) continue;
    std::int64_t number = split_file_number(index++, files);
    object.file = file_name(names[static_cast<std::size_t>(number - 1)]);
  }
}

void begin_processing_records(SceneRecords& records) {
  records.processed = true;
  for (ObjectRecord& object : records.objects) {
    if (object.skipped) continue;
    // Every object the pass meets gets its verdict; one it never meets (the
    // file changed, or the run broke off) stays left out.
    object.processing = ProcessingVerdict::left_out;
    object.reason = "the processing did not reach it";
    object.file.clear();
  }
}

ObjectRecord* RecordCursor::at_line(std::int64_t line) {
  auto& objects = records_.objects;
  while (next_ < objects.size() && objects[next_].line < line) ++next_;
  if (next_ < objects.size() && objects[next_].line == line) return &objects[next_];
  return nullptr;
}

}  // namespace meshmill
