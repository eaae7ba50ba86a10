#pragma once

#include <string>

#include "support/messages.h"
#include "support/scene_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {

// Analyses `text` as a start-up path and, when it loads, processes it with the
// default options into files of its name beside it, as meshmill-cli convert does.
void convert_text(TestSession& t, const std::string& text, const std::string& name = "scene.ase");

// The command ended at rest: nothing running, the error log and the scratch
// stream closed, the window back to normal, no scratch or half-written file left.
void expect_at_rest(const TestSession& t);

// The number of object blocks in an .asc text, checked to be whole: each
// begins with its name line and ends with the empty line.
int whole_blocks(const std::string& asc);

}  // namespace meshmill::testing
