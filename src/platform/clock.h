#pragma once

#include <string>

namespace meshmill {

// The local date and time as "YYYY-MM-DD HH:MM".
std::string local_date_time();

}  // namespace meshmill
