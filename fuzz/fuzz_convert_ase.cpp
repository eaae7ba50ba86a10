// The analysis of an ASE scene followed by the processing with the default
// options, the target beside the input.
#include "fuzz_scene.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  meshmill::fuzzing::FuzzScene scene(data, size, "scene.ase");
  scene.analyse_and_process("");
  return 0;
}
