#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "state/session.h"

namespace meshmill {

// Skips an object: writes "Error in line N (object 'NAME" followed by the
// problem text (which begins with "') : ") to the error log, tells the view
// and raises the run's problem flag. NAME stays in the scene's code page.
// Returns the log line.
std::string skip_object(Session& session, bool& problems, std::int64_t line, std::string_view name,
                        std::string_view problem);

// Skips an object whose name line has no quoted name.
std::string skip_unnamed_object(Session& session, bool& problems, std::int64_t line);

}  // namespace meshmill
