#pragma once

#include <functional>
#include <string>

#include "app/session.h"

namespace meshmill {

// The window's events as the view forwards them. A pass yields to the window,
// so its controls stay live while it runs; these refuse (return false) while a
// command is running, since every command shares the whole scene state.

// Runs one command to completion unless another one is running.
bool run_command(Session& session, const std::function<void(Session&)>& command);

// A click on a check box that left it in state `ticked`; Check_all and Check3
// apply their rules.
bool tick_check_box(Session& session, CheckBox& box, bool ticked);

// An edit of an editable text box (Text3).
bool edit_text(Session& session, TextBox& box, const std::string& text);

// A scene file dropped on the window: analysed as if it had been given on the
// command line. A loaded scene is unloaded first, with the user's consent.
void analyze_dropped_scene(Session& session, const std::string& path);

// Whether a path names an input the analysis reads (.ase or .asc, any case).
bool is_scene_file(const std::string& path);

// The window is about to close: saves the options, unless the processing
// already ended the program having saved its own.
void close_window(Session& session);

}  // namespace meshmill
