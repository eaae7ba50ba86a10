#pragma once

#include <utility>
#include <vector>

#include "state/window_state.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace meshmill::gui {

// The Qt widgets of Form1, each bound to the WindowState member it shows. The
// widgets carry the control's name as their object name.
struct FormControls {
  std::vector<std::pair<Button WindowState::*, QPushButton*>> buttons;
  std::vector<std::pair<CheckBox WindowState::*, QCheckBox*>> check_boxes;
  // A QLineEdit, or a QPlainTextEdit for the multi-line comments.
  std::vector<std::pair<TextBox WindowState::*, QWidget*>> text_boxes;
  std::vector<std::pair<Label WindowState::*, QLabel*>> labels;
  std::vector<std::pair<ProgressBar WindowState::*, QProgressBar*>> bars;
};

// Creates the controls of Form1 inside `form`, laid out in their groups, with
// their captions, hints and initial states taken from `initial`.
FormControls build_form(QWidget& form, const WindowState& initial);

}  // namespace meshmill::gui
