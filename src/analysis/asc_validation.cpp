#include "analysis/asc_validation.h"

namespace meshmill {

// Placeholder until the ASC validation lands.
PassOutcome validate_asc_input(Session&, bool& problems) {
  problems = false;
  return PassOutcome::completed;
}

}  // namespace meshmill
