#pragma once

#include <span>
#include <string>
#include <variant>

#include "state/window_state.h"

namespace meshmill {

// Form1 as one table that every view of the window reads: which controls it
// holds, in which frame and row, in which order, with which fixed caption and
// hint. The views differ in how they draw, never in what they show.

enum class ControlKind { group, button, check_box, text_box, label, progress_bar, separator };

// Above the frames, or inside one of the two framed groups.
enum class FormGroup { top, settings, statistics };

// How a control looks beyond its kind.
namespace look {
inline constexpr unsigned bold = 1;
inline constexpr unsigned read_only = 2;    // text set by the program only
inline constexpr unsigned multi_line = 4;   // a text area of a few lines
inline constexpr unsigned indented = 8;     // one of the settings Check_all locks
inline constexpr unsigned numeric = 16;     // a short number, right-aligned
inline constexpr unsigned grows = 32;       // the row takes the group's spare height
inline constexpr unsigned pushed_down = 64; // spare height goes above this row
}  // namespace look

// The WindowState member a control shows; none for fixed labels, frames and lines.
using StateMember =
    std::variant<std::monostate, Button WindowState::*, CheckBox WindowState::*,
                 TextBox WindowState::*, Label WindowState::*, ProgressBar WindowState::*>;

struct FormEntry {
  const char* name;  // the control's window name
  ControlKind kind;
  StateMember state;
  const char* caption;  // fixed caption of a control without state, else ""
  const char* hint;     // help text shown when the pointer rests on it, or nullptr
  FormGroup group;
  int row;  // controls of one group and row sit side by side, in table order
  unsigned looks = 0;
};

// Every control in visual order, which is also the keyboard's Tab order: the
// rows above the frames, then each frame's entry followed by its controls.
std::span<const FormEntry> form_entries();

// The caption `entry` shows: its state's caption in `window`, or its fixed one.
std::string caption_of(const FormEntry& entry, const WindowState& window);

}  // namespace meshmill
