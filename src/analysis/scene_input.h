#pragma once

#include <memory>

#include "analysis/pass_outcome.h"
#include "format/line_reader.h"
#include "state/session.h"

namespace meshmill {

// Opens the input scene `fich` for one pass. When it can't be opened the user
// is told why and nothing is returned.
std::unique_ptr<LineReader> open_scene_pass(Session& session);

// Reads the next line of a pass that is bounded by the line count of the
// first pass: false at that count, at the end of the file or on a failure.
bool read_counted_line(const Session& session, LineReader& reader);

// The pass met the end of the input early: a read failure is reported with
// the system's reason, a real end of file with `text`. Answers `stopped`.
PassOutcome input_ended(Session& session, const LineReader& reader, const std::string& text);

}  // namespace meshmill
