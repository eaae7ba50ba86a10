// An output that can't replace the file already there: a clear message, the old file kept.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/paths.h"
#include "processing_support.h"
#include "support/cli_run.h"

namespace meshmill::testing {
namespace {

namespace stdfs = std::filesystem;

stdfs::path disk_path(const std::string& utf8) {
  return stdfs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string scene_in(const TempFolder& folder) {
  stdfs::create_directories(disk_path(folder.file("TIFFRGB")));
  return folder.write("level.ase", mesh_scene({triangle("Tri")}));
}

std::string stopped(const std::string& path, const std::string& why) {
  return "Error: The file " + path + " could not be written (" + why +
         "). The processing was stopped.\n";
}

TEST(CliTarget, AReadOnlyTargetIsReportedAndKept) {
  TempFolder folder;
  std::string scene = scene_in(folder);
  std::string target = folder.write("track.asc", "previous");
  stdfs::permissions(disk_path(target), stdfs::perms::owner_write, stdfs::perm_options::remove);

  CliRun run = run_cli(folder, "convert \"" + scene + "\" -o \"" + target + "\" --overwrite");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(stopped(target, "The file is read-only")), std::string::npos) << run.err;
  EXPECT_EQ(folder.read("track.asc"), "previous");
  EXPECT_FALSE(folder.exists("track.asc.meshmill-part"));
  stdfs::permissions(disk_path(target), stdfs::perms::owner_write, stdfs::perm_options::add);
}

#ifdef _WIN32
// Windows alone refuses to replace a file that another program holds open.
TEST(CliTarget, ATargetHeldOpenIsReportedAndKept) {
  TempFolder folder;
  std::string scene = scene_in(folder);
  std::string target = folder.write("track.asc", "previous");
  std::ifstream held(disk_path(target), std::ios::binary);
  ASSERT_TRUE(held.is_open());

  CliRun run = run_cli(folder, "convert \"" + scene + "\" -o \"" + target + "\" --overwrite");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Error: The file " + target + " could not be written ("),
            std::string::npos)
      << run.err;
  held.close();
  EXPECT_EQ(folder.read("track.asc"), "previous");
  EXPECT_FALSE(folder.exists("track.asc.meshmill-part"));
}
#endif

TEST(CliTarget, AMissingFolderIsMadeBeforeTheAnalysisTouchesAFile) {
  TempFolder folder;
  stdfs::copy(MESHMILL_EXAMPLES, folder.path(), stdfs::copy_options::recursive);
  std::string scene = folder.file("sample_track.ase");
  const std::string renaming = "\" --json --rename-textures --auto-shorten";

  // A file holds the folder's name: nothing is analysed, no texture renamed.
  folder.write("blocked", "a file");
  CliRun blocked = run_cli(folder, "convert \"" + scene + "\" -o \"" +
                                       join_path(folder.file("blocked"), "track.asc") + renaming);
  EXPECT_EQ(blocked.status, 1);
  EXPECT_NE(blocked.out.find("\"outcome\":\"failed\",\"failure\":\"The folder " +
                             json_path(folder.file("blocked")) + " couldn't be created: "),
            std::string::npos)
      << blocked.out;
  EXPECT_TRUE(folder.exists("TIFFRGB/roadside_barrier_long.tif"));
  EXPECT_FALSE(folder.exists("error_log.txt"));

  std::string target = join_path(join_path(folder.file("new"), "deeper"), "track.asc");
  CliRun made = run_cli(folder, "convert \"" + scene + "\" -o \"" + target + renaming);
  EXPECT_EQ(made.status, 0) << made.err;
  EXPECT_NE(made.out.find("\"outcome\":\"processed\""), std::string::npos);
  EXPECT_TRUE(folder.exists("new/deeper/track.asc"));
  EXPECT_TRUE(folder.exists("new/deeper/track.mat"));
}

}  // namespace
}  // namespace meshmill::testing
