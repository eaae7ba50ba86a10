#include "analysis/analysis_driver.h"

namespace meshmill {

// Placeholder until the analysis driver lands.
void analyze_scene(Session&) {}

}  // namespace meshmill
