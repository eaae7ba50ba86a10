#pragma once

namespace meshmill {

// The style sheet and the script of the report page, inlined into it: the
// page loads nothing from anywhere else.
extern const char* const report_style;
// Highlighting, zoom and sorting. It does no work per object when the page
// opens: one listener per kind of event, on the document.
extern const char* const report_script;

}  // namespace meshmill
