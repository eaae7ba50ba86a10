#pragma once

#include "app/window_session.h"

namespace meshmill {

// The "&Open log error txt file" command: opens error_log.txt beside the loaded
// input with the program the system associates with it.
void open_error_log(WindowSession& session);

}  // namespace meshmill
