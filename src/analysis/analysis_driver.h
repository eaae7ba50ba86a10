#pragma once

#include <string>

#include "state/command_outcome.h"
#include "state/run_settings.h"
#include "state/session.h"

namespace meshmill {

// The question asked before an ASE scene is analysed; Yes processes it right
// after the analysis, into files of its own name beside it (express mode).
inline constexpr const char* express_question =
    "Do you want the 3dscene to be processed and converted to .asc right away after being "
    "analyzed (sucessfully) into the final .asc files, USING THE SAME PATH AND FILENAME of the "
    "input .ase file and the default processing settings?";

// The analysis of "&Indicate and analyze 3d scene file": chooses and checks
// the input (`start_path`, or the open dialog when it is empty), runs the
// passes and fills the statistics. Answers `analysed` or
// `analysed_with_skips` when the scene is loaded, otherwise how it ended early
// (declined or cancelled, refused, or a file failure). An input of another
// type than .ase or .asc is not analysed: `refused`.
CommandOutcome run_analysis(Session& session, const RunSettings& settings,
                            const std::string& start_path);

}  // namespace meshmill
