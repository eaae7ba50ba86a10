// Every .asc file the processing writes reads back as a clean .asc input, and
// re-writing it without the axis flip gives the same objects.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/scene_commands.h"
#include "support/messages.h"
#include "support/scene_builder.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

// Converts the ASE scene at `scene` with every setting ticked into `folder`;
// returns the .asc files written. `materials`, when given, replace the
// material table of the analysis.
std::vector<std::string> convert_ase(const std::string& scene, const TempFolder& folder,
                                     const std::vector<MaterialSpec>* materials = nullptr) {
  TestSession t;
  analyze(t.session, scene);
  EXPECT_EQ(t.session.scene.file_loaded, 1);
  SceneState& state = t.session.scene;
  if (materials) set_materials(state, *materials);
  state.fich_dest = folder.file("level.asc");
  state.pix16_dest = folder.file("PIX16");
  t.session.window.Text_savefile.text = state.fich_dest;
  t.session.window.Check_all.value = 1;
  start_process(t.session);
  std::vector<std::string> written;
  for (const std::string& path : state.processed_files) {
    if (path.size() > 4 && path.substr(path.size() - 4) == ".asc") written.push_back(path);
  }
  return written;
}

// Reads `asc` back as an input and re-writes it without the axis flip.
void expect_round_trip(const std::string& asc, std::int64_t* objects = nullptr) {
  SCOPED_TRACE(asc);
  TestSession t;
  std::string input = t.folder.write("input.asc", read_file(asc));
  analyze(t.session, input);
  EXPECT_EQ(t.prompt.messages, (Messages{{choose_target_text, 64, "Finished"}}));
  const WindowState& window = t.session.window;
  EXPECT_EQ(window.Text_valid_objects.text, window.Text_total_objects.text);
  EXPECT_FALSE(t.folder.exists("error_log.txt") && !t.folder.read("error_log.txt").empty());
  if (objects) *objects += t.session.scene.valid_objects;

  t.session.scene.fich_dest = t.folder.file("again.asc");
  t.session.window.Text_savefile.text = t.session.scene.fich_dest;
  t.session.window.Check_all.value = 0;
  start_process(t.session);
  EXPECT_EQ(t.folder.read("again.asc"), without_mapping_lines(read_file(input)));
}

TEST(AscInputRoundTrip, SampleTrack) {
  TempFolder source;
  TempFolder out;
  auto written = convert_ase(copy_examples(source), out);
  ASSERT_FALSE(written.empty());
  for (const auto& asc : written) expect_round_trip(asc);
}

TEST(AscInputRoundTrip, GeneratedScenes) {
  // Three hundred boxes, two of them skipped: two files of objects.
  TempFolder source;
  std::filesystem::create_directories(source.file("TIFFRGB"));
  auto objects = boxes(300);
  objects[10].numfaces = "0";
  objects[200].numtvertex = "0";
  source.write("boxes.ase", ase_scene(objects));
  TempFolder out;
  auto written = convert_ase(source.file("boxes.ase"), out);
  ASSERT_EQ(written.size(), 2u);
  std::int64_t total = 0;
  for (const auto& asc : written) expect_round_trip(asc, &total);
  EXPECT_EQ(total, 298);

  // The same boxes mapped, with material and smoothing lines on every face.
  const std::vector<MaterialSpec> grey = {{false, {{"Grey , grey.tga", "", ""}}}};
  TempFolder mapped_out;
  auto mapped = convert_ase(source.file("boxes.ase"), mapped_out, &grey);
  ASSERT_EQ(mapped.size(), 2u);
  std::string first = read_file(mapped[0]);
  ASSERT_NE(first.find("\r\nMapped\r\n"), std::string::npos);
  ASSERT_NE(first.find("\r\nMaterial:\"Grey\"\r\nSmoothing: 1\r\n"), std::string::npos);
  for (const auto& asc : mapped) expect_round_trip(asc);

#if defined(MESHMILL_SCENEGEN) && !defined(_WIN32)
  // A generated scene with materials, mapping and faulty objects.
  TempFolder big;
  std::filesystem::create_directories(big.file("TIFFRGB"));
  std::string command = std::string("\"") + MESHMILL_SCENEGEN + "\" -o \"" + big.file("gen.ase") +
                        "\" --size-mb 2 --faults 4 --seed 7";
  ASSERT_EQ(std::system(command.c_str()), 0);
  TempFolder big_out;
  auto generated = convert_ase(big.file("gen.ase"), big_out);
  ASSERT_FALSE(generated.empty());
  for (const auto& asc : generated) expect_round_trip(asc);
#endif
}

}  // namespace
}  // namespace meshmill::testing
