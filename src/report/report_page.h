#pragma once

#include <string>
#include <string_view>

#include "state/run_settings.h"
#include "state/session.h"

namespace meshmill {

// The scene report: one self-contained HTML page (inline style, SVG and
// script; a security policy that forbids every outside load) with the run's
// header and statistics, the map of the scene, the objects table, the
// materials table (ASE scenes) and the messages. It reads the records the
// session gathered (Session::record_objects), the material table and the
// settings of the run.
std::string render_report(const Session& session, const RunSettings& settings,
                          std::string_view date);

}  // namespace meshmill
