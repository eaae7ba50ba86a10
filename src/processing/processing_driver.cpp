#include "processing/processing_driver.h"

namespace meshmill {

// Placeholder until the processing driver lands.
void start_process(Session&) {}

}  // namespace meshmill
