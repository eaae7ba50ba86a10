// The whole analysis of an ASE scene: first pass, material pass, checking pass.
#include "app/scene_commands.h"
#include "fuzz_scene.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  meshmill::fuzzing::FuzzScene scene(data, size, "scene.ase");
  meshmill::analyze_scene(scene.session(), scene.path());
  return 0;
}
