#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "cli/cli_session.h"
#include "cli/json_writer.h"
#include "state/command_outcome.h"
#include "state/run_settings.h"

namespace meshmill {

// The statistics as the window shows them: caption, a blank, the number.
void print_statistics(std::FILE* out, const Session& session);

// The members every scene report shares (input, type, loaded, statistics,
// outcome and for a failure failure, messages, error_log), written into the
// open JSON object. `outcome` is what the command did as a whole.
void write_scene_report(JsonWriter& json, CliSession& cli, const std::string& input,
                        const CommandOutcome& outcome);

// Prints the --json document of a run: the members both commands share, the
// material table, the objects (with a report), the textures (when prepared),
// then what `more` writes.
void print_json_document(CliSession& cli, const RunSettings& settings, const std::string& input,
                         const CommandOutcome& outcome,
                         const std::function<void(JsonWriter&)>& more = {});

// The member `key`: the path of the side file `name` the run created and left
// on disk, or null.
void write_side_file(JsonWriter& json, CliSession& cli, const char* key, const char* name);

}  // namespace meshmill
