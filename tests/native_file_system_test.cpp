#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "support/temp_folder.h"

namespace meshmill {
namespace {

using testing::read_file;
using testing::TempFolder;

namespace stdfs = std::filesystem;

stdfs::path disk_path(const std::string& utf8) {
  return stdfs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string disk_name(const stdfs::path& path) {
  std::u8string name = path.filename().u8string();
  return std::string(name.begin(), name.end());
}

void write(FileSystem& fs, const std::string& path, const std::string& line, CreateMode mode) {
  auto file = fs.create(path, mode, nullptr);
  ASSERT_TRUE(file);
  file->write_line(line);
  ASSERT_TRUE(file->close()) << file->error();
}

void make_read_only(const std::string& path, bool read_only) {
  stdfs::permissions(disk_path(path), stdfs::perms::owner_write,
                     read_only ? stdfs::perm_options::remove : stdfs::perm_options::add);
}

TEST(NativeFileSystem, WritesEveryLineWithExactlyCrLf) {
  TempFolder folder;
  auto fs = make_native_file_system();
  for (CreateMode mode : {CreateMode::direct, CreateMode::replace_when_complete}) {
    auto file = fs->create(folder.file("lines.txt"), mode, nullptr);
    ASSERT_TRUE(file);
    file->write_line("one");
    file->write("two\n");  // a bare line feed stays one byte
    file->write_line("");
    ASSERT_TRUE(file->close());
    EXPECT_EQ(folder.read("lines.txt"), "one\r\ntwo\n\r\n");
    EXPECT_EQ(fs->file_size(folder.file("lines.txt")), 11);
  }
}

TEST(NativeFileSystem, NamesBeyondAsciiReachTheDisk) {
  TempFolder folder;
  auto fs = make_native_file_system();
  // Scene texts are Windows-1252; file names on disk are their UTF-8 form.
  const std::string long_name = cp1252_to_utf8(
      "Se\xF1"
      "al_de_tr\xE1"
      "fico_larga.tif");
  const std::string backup = cp1252_to_utf8(
      "Se\xF1"
      "al_de_tr\xE1"
      "fico_larga.ti");
  const std::string short_name = cp1252_to_utf8(
      "Se\xF1"
      "al.tif");
  const std::string sub = folder.file(cp1252_to_utf8("Texturas_\xE9t\xE9"));

  ASSERT_TRUE(fs->create_folder(sub));
  EXPECT_TRUE(fs->folder_exists(sub));
  const std::string original = join_path(sub, long_name);
  write(*fs, original, "pixels", CreateMode::direct);
  EXPECT_TRUE(fs->file_exists(original));
  EXPECT_EQ(fs->file_size(original), 8);

  auto input = fs->open_read(original, nullptr);
  ASSERT_TRUE(input);
  char bytes[16];
  EXPECT_EQ(input->read(bytes, sizeof bytes), 8);
  input.reset();

  ASSERT_TRUE(fs->copy_file(original, join_path(sub, backup)));
  ASSERT_TRUE(fs->rename_file(original, join_path(sub, short_name)));
  EXPECT_FALSE(fs->file_exists(original));
  EXPECT_EQ(fs->find_entry_ignoring_case(sub, cp1252_to_utf8("SE\xF1"
                                                             "AL.TIF")),
            short_name);
  EXPECT_EQ(fs->find_entry_ignoring_case(sub, backup), backup);

  // The system lists the names as they were given: no code-page loss on the way.
  std::vector<std::string> listed;
  for (const auto& entry : stdfs::directory_iterator(disk_path(sub))) {
    listed.push_back(disk_name(entry.path()));
  }
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::string>{short_name, backup}));

  EXPECT_TRUE(fs->remove_file(join_path(sub, short_name)));
  EXPECT_TRUE(fs->remove_file(join_path(sub, backup)));
  EXPECT_TRUE(fs->remove_folder(sub));
  EXPECT_FALSE(fs->folder_exists(sub));

  // The tests' own helpers name files the same way.
  folder.write(long_name, "x");
  EXPECT_TRUE(fs->file_exists(folder.file(long_name)));
  EXPECT_EQ(folder.read(long_name), "x");
}

TEST(NativeFileSystem, ReplacesAnExistingFileOnlyWhenComplete) {
  TempFolder folder;
  auto fs = make_native_file_system();
  const std::string target = folder.write("level.asc", "old\r\n");
  write(*fs, target, "new", CreateMode::replace_when_complete);
  EXPECT_EQ(folder.read("level.asc"), "new\r\n");
  EXPECT_FALSE(folder.exists("level.asc.meshmill-part"));

  {  // Never closed: the old file stays and nothing is left beside it.
    auto file = fs->create(target, CreateMode::replace_when_complete, nullptr);
    ASSERT_TRUE(file);
    file->write_line("half");
  }
  EXPECT_EQ(folder.read("level.asc"), "new\r\n");
  EXPECT_FALSE(folder.exists("level.asc.meshmill-part"));

  // A rename onto an existing file replaces it, as it does on Linux.
  const std::string other = folder.write("other.asc", "other\r\n");
  ASSERT_TRUE(fs->rename_file(other, target));
  EXPECT_EQ(folder.read("level.asc"), "other\r\n");
  EXPECT_FALSE(folder.exists("other.asc"));
}

TEST(NativeFileSystem, AReadOnlyTargetIsRefusedAndKept) {
  TempFolder folder;
  auto fs = make_native_file_system();
  const std::string target = folder.write("level.mat", "old");
  const std::string source = folder.write("source.mat", "new");
  make_read_only(target, true);
  for (CreateMode mode : {CreateMode::direct, CreateMode::replace_when_complete}) {
    std::string why;
    EXPECT_FALSE(fs->create(target, mode, &why));
    EXPECT_EQ(why, "The file is read-only");
  }
  std::string why;
  EXPECT_FALSE(fs->rename_file(source, target, &why));
  EXPECT_EQ(why, "The file is read-only");
  EXPECT_FALSE(fs->copy_file(source, target, &why));
  EXPECT_EQ(why, "The file is read-only");
  EXPECT_EQ(folder.read("level.mat"), "old");
  EXPECT_EQ(folder.read("source.mat"), "new");
  EXPECT_FALSE(folder.exists("level.mat.meshmill-part"));
  make_read_only(target, false);
}

#ifdef _WIN32
// Only Windows keeps a file that another program holds open from being replaced.
TEST(NativeFileSystem, ATargetHeldOpenIsRefusedAndKept) {
  TempFolder folder;
  auto fs = make_native_file_system();
  const std::string target = folder.write("level.asc", "old\r\n");
  std::ifstream held(disk_path(target), std::ios::binary);
  ASSERT_TRUE(held.is_open());
  auto file = fs->create(target, CreateMode::replace_when_complete, nullptr);
  ASSERT_TRUE(file);
  file->write_line("new");
  EXPECT_FALSE(file->close());
  EXPECT_FALSE(file->error().empty());
  held.close();
  EXPECT_EQ(folder.read("level.asc"), "old\r\n");
  EXPECT_FALSE(folder.exists("level.asc.meshmill-part"));
}

TEST(NativeFileSystem, DrivePathsAndUnixStylePathsBothWork) {
  TempFolder folder;
  auto fs = make_native_file_system();
  const std::string drive_path = folder.write("scene.ase", "*3DSMAX_ASCIIEXPORT\r\n");
  ASSERT_EQ(drive_path[1], ':');
  std::string forward = drive_path;
  std::replace(forward.begin(), forward.end(), '\\', '/');
  EXPECT_TRUE(fs->file_exists(drive_path));
  EXPECT_TRUE(fs->file_exists(forward));
  EXPECT_EQ(parent_folder(forward), forward.substr(0, forward.size() - 10));  // "/scene.ase"
  EXPECT_EQ(base_name(forward), "scene");
  // Built on Linux and run under wine, the source path is a Linux one ("/work/...").
  const std::string source = __FILE__;
  EXPECT_TRUE(fs->file_exists(source)) << source;
  EXPECT_TRUE(fs->open_read(source, nullptr)) << source;
}
#endif

TEST(Process, KnowsItsArgumentsAndFolder) {
  // The test program's own command line is ASCII, so both ways of reading it agree.
  std::vector<std::string> argv_copy = {"meshmill_tests", "--flag"};
  std::vector<char*> argv;
  for (auto& text : argv_copy) argv.push_back(text.data());
  std::vector<std::string> arguments = command_line_arguments(2, argv.data());
#ifdef _WIN32
  EXPECT_GE(arguments.size(), 1u);
  EXPECT_NE(arguments[0].find("meshmill_tests"), std::string::npos);
#else
  EXPECT_EQ(arguments, argv_copy);
#endif

  auto fs = make_native_file_system();
  const std::string folder = program_folder();
  EXPECT_TRUE(fs->folder_exists(folder)) << folder;
  EXPECT_TRUE(fs->find_entry_ignoring_case(folder, "meshmill_tests") ||
              fs->find_entry_ignoring_case(folder, "meshmill_tests.exe"));
}

}  // namespace
}  // namespace meshmill
