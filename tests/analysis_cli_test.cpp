#include <gtest/gtest.h>

#include "platform/version.h"
#include "support/ase_builder.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

namespace meshmill::testing {
namespace {

const std::string question_line =
    "Question: Do you want the 3dscene to be processed and converted to .asc right away after "
    "being analyzed (sucessfully) into the final .asc files, USING THE SAME PATH AND FILENAME of "
    "the input .ase file and the default processing settings?\n";

TEST(AnalysisCli, ThreeHundredObjectsWithTwoFaulty) {
  TempFolder folder;
  std::filesystem::create_directories(folder.file("TIFFRGB"));
  auto objects = boxes(300);
  objects[99].numfaces = "0";
  objects[199].numtvertex = "0";
  std::string text = ase_scene(objects);
  std::string scene = folder.write("level.ase", text);

  CliRun run = run_cli(folder, "analyze \"" + scene + "\"");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "Total objects found : 300\n"
            "Valid objects found : 298\n"
            "Asc split files required to import in Pt2 : 2\n"
            "Total faces in 3d scene : 3576\n"
            "Total vertices in 3d scene : 2384\n");
  EXPECT_EQ(run.err, question_line +
                         "Warning: Analyzing of 3d scene file finished, but certain objects will "
                         "not be processed and were skipped.\n");
  EXPECT_EQ(crlf_lines(folder.read("error_log.txt")),
            (std::vector<std::string>{
                "Error in line " + std::to_string(line_of(text, "*MESH_NUMFACES 0")) +
                    " (object 'Box100') : the line indicating the number of faces indicates that "
                    "the object has 0 faces. This object was skipped since it would make Pt2 "
                    "crash when importing it.",
                "Error in line " + std::to_string(line_of(text, "*MESH_NUMTVERTEX 0")) +
                    " (object 'Box200') : the line indicating the number of mapping vertices "
                    "indicates that the object has 0 mapping vertices. This object was skipped "
                    "since it would make Pt2 crash when importing it."}));
}

TEST(AnalysisCli, JsonReportIsValidUtf8) {
  TempFolder folder;
  std::filesystem::create_directories(folder.file("TIFFRGB"));
  AseObject odd{"Caf\xe9 \"1\"\\"};
  std::string box = ase_object(odd);
  std::string scene =
      folder.write("odd.ase", ase_header() + box.substr(0, box.find("\t\t*MESH_NUMVERTEX")));
  CliRun run = run_cli(folder, "analyze --json \"" + scene + "\"");
  EXPECT_EQ(run.status, 1);
  // The quoted name ends at its second quote: Café followed by a blank.
  EXPECT_EQ(
      run.out,
      "{\"input\":\"" + json_path(scene) +
          "\",\"type\":\"ase\",\"loaded\":false,\"statistics\":"
          "{\"total_objects\":0,\"valid_objects\":0,\"asc_files\":0,\"faces\":0,\"vertices\":0},"
          "\"outcome\":\"refused\","
          "\"messages\":[{\"title\":\"Question\",\"style\":4,\"text\":\"Do you want the 3dscene "
          "to be processed and converted to .asc right away after being analyzed (sucessfully) "
          "into the final .asc files, USING THE SAME PATH AND FILENAME of the input .ase file "
          "and the default processing settings?\"},{\"title\":\"Error\",\"style\":16,\"text\":"
          "\"This .ase file is invalid (the object Caf\xc3\xa9  doesn't have a line indicating "
          "the number of vertices of this object). Unfortunately it's not possible to just skip "
          "this object, please remove this object in the 3d scene in the 3d modelling "
          "program.\"}],\"error_log\":\"" +
          json_path(folder.file("error_log.txt")) + "\",\"materials\":[],\"special_materials\":\"" +
          json_path(folder.file("special_materials.txt")) + "\"}\n");

  CliRun missing = run_cli(folder, "analyze --json \"" + folder.file("none.ase") + "\"");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.out.find("\"error_log\":null,\"materials\":[],\"special_materials\":null}"),
            std::string::npos);
  EXPECT_EQ(missing.err, "Error: This file (" + folder.file("none.ase") + "doesn't exist!\n");
}

TEST(AnalysisCli, PathsBeyondAsciiArriveIntactAndPrintAsUtf8) {
  TempFolder folder;
  const std::string scene_folder = folder.file(
      "Escena_se\xc3\xb1"
      "al");
  std::filesystem::create_directories(
      std::filesystem::path(std::u8string(scene_folder.begin(), scene_folder.end())) / "TIFFRGB");
  const std::string scene = folder.write(
      "Escena_se\xc3\xb1"
      "al/Se\xc3\xb1"
      "al_de_tr\xc3\xa1"
      "fico.ase",
      ase_scene(boxes(2)));
  CliRun run = run_cli(folder, "analyze --json \"" + scene + "\"");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(
      run.out.rfind("{\"input\":\"" + json_path(scene) + "\",\"type\":\"ase\",\"loaded\":true", 0),
      0u)
      << run.out;
}

TEST(AnalysisCli, UsageHelpAndVersion) {
  TempFolder folder;
  EXPECT_EQ(run_cli(folder, "").status, 2);
  EXPECT_EQ(run_cli(folder, "analyze").status, 2);
  EXPECT_EQ(run_cli(folder, "analyze a.ase b.ase").status, 2);
  EXPECT_EQ(run_cli(folder, "analyze --bogus a.ase").status, 2);
  EXPECT_EQ(run_cli(folder, "frobnicate").status, 2);
  CliRun help = run_cli(folder, "--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("analyze SCENE [--json]"), std::string::npos);
  CliRun analyze_help = run_cli(folder, "analyze --help");
  EXPECT_EQ(analyze_help.status, 0);
  EXPECT_NE(analyze_help.out.find("Exit status: 0 analysed"), std::string::npos);
  CliRun version = run_cli(folder, "--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("meshmill-cli ") + meshmill::version + "\n");
}

}  // namespace
}  // namespace meshmill::testing
