#pragma once

#include <string>

#include "cli/cli_session.h"
#include "cli/json_writer.h"
#include "state/command_outcome.h"
#include "state/run_settings.h"

namespace meshmill {

// The help line of --report.
inline constexpr const char* report_option_help =
    "  --report FILE.html\n"
    "                     also write the scene report: one HTML page with a map\n"
    "                     of the scene (every object coloured by its .asc file,\n"
    "                     skipped ones in red), the objects, the materials and\n"
    "                     the messages\n";

// The member "objects" when the run recorded them (a report was asked): one
// entry per object {name, line, status, reason, file, faces, vertices, bbox}.
void write_object_records(JsonWriter& json, const Session& session);

// Writes the scene report of the run to `path`, with the run's messages.
// When it can't be written the user is told and `outcome` becomes a failure.
void write_scene_report_file(CliSession& cli, const RunSettings& settings, const std::string& path,
                             CommandOutcome& outcome);

}  // namespace meshmill
