#include "processing/record_verdicts.h"

#include "platform/paths.h"

namespace meshmill {

void record_written(ObjectRecord* record, const std::string& path) {
  if (!record || record->skipped) return;
  record->processing = ProcessingVerdict::written;
  record->reason.clear();
  record->file = file_name(path);
}

void record_left_out(ObjectRecord* record, const std::string& reason) {
  if (!record || record->skipped) return;
  record->processing = ProcessingVerdict::left_out;
  record->reason = reason;
}

void record_passed_over(ObjectRecord* record, bool filtered) {
  if (!record || record->skipped) return;
  if (filtered) {
    record->processing = ProcessingVerdict::filtered;
    record->reason = "not among the names of \"Include only following objects :\"";
  } else {
    record_left_out(record, "the processing found it unfit");
  }
}

}  // namespace meshmill
