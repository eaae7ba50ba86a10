#pragma once

#include <string>

#include "app/window_session.h"
#include "state/recording_prompt.h"
#include "state/run_settings.h"

namespace meshmill {

// The report of the loaded scene: <scene name>_report.html beside the input.
std::string scene_report_path(const Session& session);

// Writes the scene report of a run with `settings` to `path`; false when it
// can't be written (the user has been told why, in the text `failure` receives).
bool save_scene_report(Session& session, const RunSettings& settings, const std::string& path,
                       std::string* failure = nullptr);

// A window's session records every run, so that its report button works after
// any analysis; `prompt` is the window's prompt service, which keeps the messages.
void record_every_run(Session& session, RecordingPrompt& prompt);

// The "Scene &map and report" command: writes the report beside the input and
// opens it with the system's browser.
void open_scene_report(WindowSession& session);

}  // namespace meshmill
