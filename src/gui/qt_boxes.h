#pragma once

#include <QString>
#include <string>

#include "app/window_prompt_service.h"

class QWidget;

namespace meshmill::gui {

// Message boxes, the input box and file dialogs as Qt shows them, modal over
// `window`, and the system's "open" action.
NativeBoxes qt_boxes(QWidget* window);

// "description|pattern|description|pattern" as Qt's name filters: the pattern
// list in brackets, blanks between patterns. A description that already ends
// with its patterns in brackets is kept as it is.
QString qt_name_filters(const std::string& filter);

}  // namespace meshmill::gui
