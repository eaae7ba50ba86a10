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

// Writes `page` beside `path` and moves it into place when complete, so a
// failed write never leaves half a page. False with the system's reason.
bool write_report(FileSystem& fs, const std::string& path, std::string_view page,
                  std::string* why);

}  // namespace meshmill
