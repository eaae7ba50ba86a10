#pragma once

#include "analysis/pass_outcome.h"
#include "state/session.h"

namespace meshmill {

// The two passes over a 3D Studio ASCII (.asc) input: counts lines and
// objects, then checks every object, logging and skipping faulty ones
// (`problems` set) or refusing the whole file (`stopped`, message shown).
// The driver closes the error log and puts the view back at rest afterwards.
PassOutcome validate_asc_input(Session& session, bool& problems);

}  // namespace meshmill
