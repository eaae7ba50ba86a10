#pragma once

#include <memory>

#include "format/line_reader.h"
#include "processing/asc_writer.h"
#include "processing/split_outputs.h"
#include "state/run_settings.h"
#include "state/session.h"

namespace meshmill {

// What one pass over the input shares with the object writers: the options
// in force, the .asc files and the input.
struct ProcessingRun {
  bool split = false;             // one file per `objects_per_asc_file` objects
  std::int64_t current_file = 1;  // the .asc file the next object goes into, from 1
  FlipOptions flips;
  SplitOutputs outputs;
  std::unique_ptr<LineReader> input;
};

// The opening of a pass over the input: busy view, counters, the warning
// about one file for many objects, the .asc files and the input. False when
// a file failed or an output would replace the input; the user has been told
// and the run abandoned.
bool open_processing_run(Session& session, const RunSettings& settings, ProcessingRun& run);

// The closing of a pass: the input, then the .asc files, each moved into
// place. When the pass failed (`written` false) or a file can't be closed,
// the run is abandoned and the answer is false.
bool close_processing_run(Session& session, ProcessingRun& run, bool written);

// Counts a written object; after every `objects_per_asc_file` of them the
// next goes into the next file.
void count_written_object(Session& session, ProcessingRun& run);

}  // namespace meshmill
