// meshmill-cli convert: the analysis and the processing from the console.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/paths.h"
#include "processing_support.h"
#include "support/ase_builder.h"
#include "support/cli_run.h"

namespace meshmill::testing {
namespace {

std::string scene_with_texture_folder(const TempFolder& folder, const std::string& text,
                                      const std::string& name = "level.ase") {
  std::filesystem::create_directories(folder.file("TIFFRGB"));
  return folder.write(name, text);
}

TEST(ProcessingCli, ConvertsToTheTargetAndReportsInJson) {
  TempFolder folder;
  auto objects = boxes(300);
  objects[10].numfaces = "0";  // the analysis skips it
  std::string scene = scene_with_texture_folder(folder, ase_scene(objects));
  std::string target = join_path(folder.file("out"), "track.asc");
  std::filesystem::create_directories(folder.file("out"));

  CliRun run = run_cli(folder, "convert \"" + scene + "\" -o \"" + target + "\" --json");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(folder.exists("out/track_01.asc"));
  EXPECT_TRUE(folder.exists("out/track_02.asc"));
  EXPECT_FALSE(folder.exists("out/track.asc"));
  EXPECT_FALSE(folder.exists("out/PIX16"));  // created by the target choice, empty at the end
  EXPECT_NE(
      run.out.find("\"outputs\":[\"" + json_path(join_path(folder.file("out"), "track_01.asc")) +
                   "\",\"" + json_path(join_path(folder.file("out"), "track_02.asc")) + "\",\"" +
                   json_path(join_path(folder.file("out"), "track.mat")) + "\"]"),
      std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\"skipped\":[]"), std::string::npos);
  EXPECT_NE(run.out.find("\"valid_objects\":299"), std::string::npos);
  // Every member of the analysis report is there too.
  EXPECT_NE(run.out.find("\"materials\":["), std::string::npos);
  EXPECT_NE(run.err.find("Finished: Finished exporting"), std::string::npos);
}

TEST(ProcessingCli, WithoutTargetTheInputNameIsUsedAndNothingIsOverwrittenUnasked) {
  TempFolder folder;
  std::string scene = scene_with_texture_folder(folder, mesh_scene({triangle("Tri")}));
  folder.write("level.asc", "previous");

  // Without a terminal the overwrite question is answered No.
  CliRun refused = run_cli(folder, "convert \"" + scene + "\"");
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(folder.read("level.asc"), "previous");
  EXPECT_NE(refused.err.find("Warning: There is already a .asc file"), std::string::npos);
  EXPECT_EQ(refused.out, "");

  CliRun yes = run_cli(folder, "convert \"" + scene + "\" --yes --no-axis-flip");
  EXPECT_EQ(yes.status, 0) << yes.err;
  EXPECT_EQ(yes.out, folder.file("level.asc") + "\n");
  EXPECT_NE(folder.read("level.asc").find("Vertex 0:  X:1     Y:2     Z:3\r\n"), std::string::npos);

  CliRun overwrite = run_cli(folder, "convert \"" + scene + "\" --overwrite");
  EXPECT_EQ(overwrite.status, 0) << overwrite.err;
  EXPECT_NE(folder.read("level.asc").find("Vertex 0:  X:1     Y:3     Z:-2\r\n"),
            std::string::npos);
}

TEST(ProcessingCli, OptionsReachTheBoxes) {
  TempFolder folder;
  MeshSpec a = triangle("A"), b = triangle("B"), c = triangle("C");
  std::string scene = scene_with_texture_folder(folder, mesh_scene({a, b, c}));
  CliRun run = run_cli(folder, "convert \"" + scene + "\" -o \"" + folder.file("t.asc") +
                                   "\" --only A,C --no-texture-flip");
  EXPECT_EQ(run.status, 0) << run.err;
  std::string asc = folder.read("t.asc");
  EXPECT_EQ(asc.find("Named object: \"A\""), 0u);
  EXPECT_EQ(asc.find("Named object: \"B\""), std::string::npos);
  EXPECT_NE(asc.find("Named object: \"C\""), std::string::npos);
  EXPECT_NE(asc.find("Vertex 0:  X:1     Y:3     Z:-2\r\n"), std::string::npos);  // axis flip kept
}

TEST(ProcessingCli, TargetRefusalsAndUsageErrors) {
  TempFolder folder;
  std::string scene = scene_with_texture_folder(folder, mesh_scene({triangle("T")}));

  CliRun empty = run_cli(folder, "convert \"" + scene + "\" -o \"\"");
  EXPECT_EQ(empty.status, 1);
  EXPECT_NE(empty.err.find("Warning: No filename choosed or entered, cancelling operation.\n"),
            std::string::npos);

  // An .asc input named as its own target, in other letters.
  std::string asc_input =
      folder.write("mesh.asc",
                   "Named object: \"T\"\r\nTri-mesh, Vertices: 3     Faces: 1\r\n"
                   "Vertex list:\r\nVertex 0:  X:1     Y:2     Z:3\r\n"
                   "Vertex 1:  X:1     Y:2     Z:3\r\nVertex 2:  X:1     Y:2     Z:3\r\n"
                   "Face list:\r\nFace 0: A:0 B:1 C:2 AB:1 BC:1 CA:1\r\n\r\n");
  CliRun same =
      run_cli(folder, "convert \"" + asc_input + "\" -o \"" + folder.file("MESH.ASC") + "\"");
  EXPECT_EQ(same.status, 1);
  EXPECT_NE(same.err.find("Error: You can't overwrite the original 3d scene file"),
            std::string::npos);

  EXPECT_EQ(run_cli(folder, "convert \"" + scene + "\" -o \"" + folder.file("x.ase") + "\"").status,
            2);
  EXPECT_EQ(run_cli(folder, "convert \"" + scene + "\" --only").status, 2);
  EXPECT_EQ(run_cli(folder, "convert \"" + scene + "\" --sideways").status, 2);
  EXPECT_EQ(run_cli(folder, "convert").status, 2);
  EXPECT_EQ(run_cli(folder, "convert \"" + folder.file("none.ase") + "\"").status, 1);
  CliRun help = run_cli(folder, "--help");
  EXPECT_NE(help.out.find("convert SCENE [-o TARGET.asc]"), std::string::npos);
  EXPECT_NE(run_cli(folder, "convert --help").out.find("--no-texture-flip"), std::string::npos);
}

}  // namespace
}  // namespace meshmill::testing
