#pragma once

#include <string>

#include "state/session.h"

namespace meshmill {

// Tell the user that a file of the processing could not be created, written
// or read, naming the path and the system's reason (style 16, "Error"), and
// record the run as failed.
void report_write_failure(Session& session, const std::string& path, const std::string& why);
void report_read_failure(Session& session, const std::string& path, const std::string& why);

}  // namespace meshmill
