#include <gtest/gtest.h>

#include <filesystem>

#include "support/cli_run.h"

namespace meshmill::testing {
namespace {

// The sample track copied into a fresh folder; returns the scene's path.
std::string copy_sample(const TempFolder& folder) {
  std::filesystem::copy(MESHMILL_EXAMPLES, folder.path(), std::filesystem::copy_options::recursive);
  return folder.file("sample_track.ase");
}

std::string materials_member(const std::string& json) {
  std::size_t at = json.find(",\"materials\":");
  return at == std::string::npos ? std::string() : json.substr(at);
}

TEST(MaterialCli, JsonListsTheMaterialSlots) {
  TempFolder folder;
  std::string scene = copy_sample(folder);
  CliRun run = run_cli(folder, "analyze --json --rename-textures --auto-shorten \"" + scene + "\"");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(
      materials_member(run.out),
      ",\"materials\":["
      "{\"m\":0,\"s\":0,\"name\":\"Asphalt\",\"texture\":\"C:\\\\3dsmax\\\\maps\\\\asphalt.tga\","
      "\"color\":\"0.5882\\t0.5882\\t0.5882\",\"opacity\":null},"
      "{\"m\":1,\"s\":0,\"name\":\"barrier_map\",\"texture\":\"roadside_ba\u00AB0.tga\","
      "\"color\":null,\"opacity\":null},"
      "{\"m\":2,\"s\":0,\"name\":\"Brick\",\"texture\":\"brick\","
      "\"color\":\"0.5882\\t0.5882\\t0.5882\",\"opacity\":null},"
      "{\"m\":2,\"s\":1,\"name\":\"roof_tiles\",\"texture\":\"roof.tga\","
      "\"color\":\"0.5882\\t0.5882\\t0.5882\",\"opacity\":null},"
      "{\"m\":2,\"s\":2,\"name\":\"(Extra material_1)\",\"texture\":\"(Extra_mat_1)\","
      "\"color\":\"0.2000\\t0.3000\\t0.4000\",\"opacity\":\"0.5000\"},"
      "{\"m\":3,\"s\":0,\"name\":\"(Extra material_2)\",\"texture\":\"[{empty material}]\","
      "\"color\":\"0.8000\\t0.1000\\t0.1000\",\"opacity\":null}],"
      "\"special_materials\":\"" +
          json_path(folder.file("special_materials.txt")) + "\"}\n");
  EXPECT_TRUE(folder.exists("TIFFRGB/roadside_ba\u00AB0.tif"));
  EXPECT_TRUE(folder.exists("TIFFRGB/roadside_barrier_long.ti"));

  // Without --rename-textures the long name stays, as the window's default does.
  TempFolder plain_folder;
  std::string plain_scene = copy_sample(plain_folder);
  CliRun plain = run_cli(plain_folder, "analyze --json --auto-shorten \"" + plain_scene + "\"");
  EXPECT_EQ(plain.status, 0);
  EXPECT_NE(plain.out.find("\"texture\":\"roadside_barrier_long.tga\""), std::string::npos);
  EXPECT_TRUE(plain_folder.exists("TIFFRGB/roadside_barrier_long.tif"));
}

TEST(MaterialCli, NoNameTypedCancelsTheAnalysis) {
  TempFolder folder;
  std::string scene = copy_sample(folder);
  // Standard input is not a terminal: the input box answers empty.
  CliRun run = run_cli(folder, "analyze --json --rename-textures \"" + scene + "\"");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(materials_member(run.out), ",\"materials\":[],\"special_materials\":\"" +
                                           json_path(folder.file("special_materials.txt")) +
                                           "\"}\n");
  EXPECT_NE(run.err.find("\nWarning: The texture file \"roadside_barrier_long\" has more than 15 "
                         "characters, you have to manually enter a new shorter name"),
            std::string::npos);
  EXPECT_NE(run.err.find("\nCancelled: Importing of 3d scene cancelled, remember to restore the "
                         "original names of the renamed files with the backuped texture files.\n"),
            std::string::npos);
  EXPECT_TRUE(folder.exists("TIFFRGB/roadside_barrier_long.tif"));
}

}  // namespace
}  // namespace meshmill::testing
