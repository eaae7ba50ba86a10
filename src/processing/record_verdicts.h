#pragma once

#include <string>

#include "state/scene_records.h"

namespace meshmill {

// The processing's verdict on an object, kept in its record (when the session
// records objects: `record` may be null). An object the analysis skipped keeps
// the analysis's verdict and reason.
void record_written(ObjectRecord* record, const std::string& path);
void record_left_out(ObjectRecord* record, const std::string& reason);
// Passed over without a reason of its own: by the object filter, or for a
// fault the analysis reported.
void record_passed_over(ObjectRecord* record, bool filtered);

}  // namespace meshmill
