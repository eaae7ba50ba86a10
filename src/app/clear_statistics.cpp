#include "app/clear_statistics.h"

namespace meshmill {

// Placeholder until the statistics reset lands.
void clear_statistics(Session&) {}

}  // namespace meshmill
