// An .asc input: its validation and, when it may be processed, the re-writing
// into a chosen target with the default options.
#include "fuzz_scene.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  meshmill::fuzzing::FuzzScene scene(data, size, "scene.asc");
  scene.analyse_and_process("target.asc");
  return 0;
}
