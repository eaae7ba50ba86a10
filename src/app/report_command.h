#pragma once

#include <string>

#include "state/session.h"

namespace meshmill {

// The report of the loaded scene: <scene name>_report.html beside the input.
std::string scene_report_path(const Session& session);

// Writes the scene report to `path`; false when it can't be written (the
// user has been told why, in the text `failure` receives).
bool save_scene_report(Session& session, const std::string& path, std::string* failure = nullptr);

// The "Scene &map and report" command: writes the report beside the input and
// opens it with the system's browser.
void open_scene_report(Session& session);

}  // namespace meshmill
