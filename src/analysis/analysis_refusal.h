#pragma once

#include <string>

#include "analysis/pass_outcome.h"
#include "state/session.h"

namespace meshmill {

// The answer to an ASE file that ends, or breaks off, where its structure
// still expects a line: only a hand edit produces one.
inline constexpr const char* invalid_ase_text =
    "This .ase file is invalid, make sure you don't edit it manually.";

// The same answer to an .asc file that ends inside an object.
inline constexpr const char* invalid_asc_text =
    "This .asc file is invalid, make sure you don't edit it manually.";

// A scene without a single object line.
inline constexpr const char* no_objects_refusal =
    "The specified file doesn't contain any objects declared correctly, so this program won't "
    "process this file, choose another file.";

// Shows a whole-file refusal (style 16, "Error") and answers `stopped`, so the
// driver ends the analysis with end_refused_analysis().
PassOutcome refuse_scene(Session& session, const std::string& text);

// Tells the user that a file could not be opened, read, created or written,
// naming the path and the system's reason; answers `stopped` and records
// the analysis as failed.
PassOutcome report_file_failure(Session& session, const std::string& action,
                                const std::string& path, const std::string& why);

// Ends an analysis whose pass was stopped (its message already shown): the
// error log is closed and the scene unloaded without a question.
void end_refused_analysis(Session& session);

}  // namespace meshmill
