#include "processing/asc_scene_pass.h"

#include "processing/processing_finish.h"

namespace meshmill {

// Placeholder until the .asc input path lands: it ends like an input of an
// unknown type.
void process_asc_scene(Session& session) {
  finish_processing(session, FinishEntry::any_input);
}

}  // namespace meshmill
