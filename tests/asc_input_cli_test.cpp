// meshmill-cli analyze and convert with an .asc scene.
#include <gtest/gtest.h>

#include "support/asc_builder.h"
#include "support/ase_builder.h"
#include "support/cli_run.h"

namespace meshmill::testing {
namespace {

const std::string choose_target_line =
    "Finished: Analyzing of 3d scene file finished! But before processing it you need to choose "
    "the target path to save the processed file(s).\n";

TEST(AscInputCli, AnalyzeShowsTheStatistics) {
  TempFolder folder;
  std::string scene = folder.write("level.asc", asc_scene({{"A", 4, 2, true, true}, {"B", 3, 1}}));
  CliRun run = run_cli(folder, "analyze \"" + scene + "\"");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "Total objects found : 2\n"
            "Valid objects found : 2\n"
            "Asc split files required to import in Pt2 : 1\n"
            "Total faces in 3d scene : 3\n"
            "Total vertices in 3d scene : 7\n");
  EXPECT_EQ(run.err, choose_target_line);

  CliRun json = run_cli(folder, "analyze \"" + scene + "\" --json");
  EXPECT_NE(json.out.find("\"type\":\"asc\",\"loaded\":true,\"statistics\":{\"total_objects\":2,"
                          "\"valid_objects\":2,\"asc_files\":1,\"faces\":3,\"vertices\":7}"),
            std::string::npos)
      << json.out;
  // The analysis leaves its log, empty; only a processing run deletes it.
  EXPECT_NE(json.out.find("\"error_log\":\"" + json_path(folder.file("error_log.txt")) + "\""),
            std::string::npos)
      << json.out;
}

TEST(AscInputCli, ConvertNeedsATargetAndAFileWithoutFaults) {
  TempFolder folder;
  std::string text = asc_scene({{"A", 4, 2, true, true}, {"B", 3, 1}});
  std::string scene = folder.write("level.asc", text);

  // The target named after the input would be the input itself.
  CliRun no_target = run_cli(folder, "convert \"" + scene + "\"");
  EXPECT_EQ(no_target.status, 2);
  EXPECT_EQ(no_target.err,
            "meshmill-cli convert: an .asc scene needs its target: -o TARGET.asc\n"
            "Try 'meshmill-cli convert --help'.\n");
  EXPECT_EQ(folder.read("level.asc"), text);

  std::string target = folder.file("out.asc");
  CliRun run = run_cli(folder, "convert \"" + scene + "\" -o \"" + target + "\" --no-axis-flip");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, target + "\n");
  EXPECT_EQ(folder.read("out.asc"), without_mapping_lines(text));
  EXPECT_FALSE(folder.exists("out.mat"));
  EXPECT_FALSE(folder.exists("error_log.txt"));

  // A file with a faulty object is analysed but not processed.
  std::string broken = folder.write("broken.asc", text + asc_object({"Dummy", 0, 1}));
  CliRun refused =
      run_cli(folder, "convert \"" + broken + "\" -o \"" + folder.file("b.asc") + "\" --json");
  EXPECT_EQ(refused.status, 1);
  EXPECT_FALSE(folder.exists("b.asc"));
  EXPECT_NE(refused.out.find("\"valid_objects\":2"), std::string::npos) << refused.out;
  EXPECT_NE(refused.err.find("Finished: Analyzing of 3d scene file finished, but because of some "
                             "errors you can't process this scene.\n"),
            std::string::npos)
      << refused.err;
}

}  // namespace
}  // namespace meshmill::testing
