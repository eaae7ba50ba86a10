#pragma once

#include <cstdint>
#include <string>

namespace meshmill {

// The local date and time as "YYYY-MM-DD HH:MM".
std::string local_date_time();

// Milliseconds from a steady clock: for measuring intervals, never a date.
std::int64_t steady_milliseconds();

}  // namespace meshmill
