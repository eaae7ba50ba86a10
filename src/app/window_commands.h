#pragma once

#include <functional>
#include <string>

#include "app/window_session.h"

namespace meshmill {

// The window's events as the view forwards them. A pass yields to the window,
// so its controls stay live while it runs; while the window's events run inside
// a pass, these refuse (return false), since every command shares the whole
// scene state.

// Runs one command to completion unless a pass is running.
bool run_command(WindowSession& session, const std::function<void(WindowSession&)>& command);

// A click on one of Form1's command buttons: runs the command behind it
// (analysis, processing, target choice, statistics reset, error log).
bool click_button(WindowSession& session, Button WindowState::*button);

// Runs the window's pending events from inside a pass (its yield), with the
// session marked busy so that a click handled there starts no second command.
// Passes that mark themselves busy for their whole run are welcome too.
void yield_to_window(WindowSession& session, const std::function<void()>& run_events);

// A click on a check box that left it in state `ticked`; Check_all and Check3
// apply their rules.
bool tick_check_box(WindowSession& session, CheckBox& box, bool ticked);

// An edit of an editable text box (Text3).
bool edit_text(WindowSession& session, TextBox& box, const std::string& text);

// A scene file dropped on the window: analysed as if it had been given on the
// command line. A loaded scene is unloaded first, with the user's consent.
void analyze_dropped_scene(WindowSession& session, const std::string& path);

// Whether a path names an input the analysis reads (.ase or .asc, any case).
bool is_scene_file(const std::string& path);

// The window is about to close: saves the options, unless the processing
// already ended the program having saved its own.
void close_window(WindowSession& session);

// The user asks to close the window. While a pass runs the request is kept
// (the pass owns the scene state) and the answer is false; otherwise the
// options are saved and the window may close.
bool request_close(WindowSession& session);

// After a command: the window should close now, because the processing ended
// the program or the user asked to close while the pass ran.
bool close_due(const WindowSession& session);

}  // namespace meshmill
