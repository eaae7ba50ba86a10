#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "app/scene_commands.h"
#include "hostile_support.h"

namespace meshmill::testing {
namespace {

std::string good_object() {
  AseObject good;
  good.name = "Good";
  return ase_object(good);
}

TEST(HostileInput, BytesThatAreNoSceneAreRefused) {
  std::mt19937 random(20261206);
  std::string garbage(64 * 1024, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  std::string utf16;
  for (char c : ase_scene(boxes(1))) utf16 += std::string{c, '\0'};

  for (const std::string& text :
       {garbage, std::string(4096, '\0'), std::string(1, '\0'), "\xFF\xFE" + utf16}) {
    TestSession t;
    analyse_text(t, text);
    EXPECT_EQ(t.prompt.messages.back(), (Message{no_objects_text, 16, "Error"}));
    EXPECT_EQ(t.session.scene.file_loaded, 0);
    expect_at_rest(t);
  }
}

TEST(HostileInput, NulBytesInsideAnObjectTravelAsText) {
  AseObject nul;
  nul.name = std::string("Bo\0x", 4);
  std::string scene = ase_scene({nul});
  scene.replace(scene.find("1.0000\t2.0000"), 6, std::string("1.0\0\0", 5) + "0");
  TestSession t;
  convert_text(t, scene);
  expect_at_rest(t);
  std::string asc = t.folder.read("scene.asc");
  EXPECT_EQ(whole_blocks(asc), 1);
  EXPECT_NE(asc.find(std::string("Named object: \"Bo\0x\"", 20)), std::string::npos);
  EXPECT_NE(asc.find(std::string("X:1.0\0\0", 7)), std::string::npos);
}

TEST(HostileInput, ALineOfHundredsOfMegabytesIsStreamedAndCut) {
  TestSession t;
  std::filesystem::create_directories(t.folder.file("TIFFRGB"));
  std::string path = t.folder.file("scene.ase");
  {
    std::ofstream out(path, std::ios::binary);
    out << ase_header() << "*COMMENT \"";
    const std::string chunk(1 << 20, 'x');
    for (int i = 0; i < 256; ++i) out << chunk;
    out << "\"\r\n" << good_object();
  }
  analyze(t.session, path);
  EXPECT_EQ(t.session.scene.scene_stats[1], 1);
  EXPECT_EQ(t.session.scene.scene_stats[2], 1);
  t.session.window.Check3.value = 1;
  start_process(t.session);
  expect_at_rest(t);
  EXPECT_EQ(t.prompt.messages.back().title, "Finished");
  EXPECT_EQ(whole_blocks(t.folder.read("scene.asc")), 1);
}

// A broken count skips its object, or refuses the file; it never swallows the
// object after it, and never makes the program reserve what the file lacks.
TEST(HostileInput, AbsurdCountsSkipOnlyTheirObject) {
  const char* counts[] = {"0",     "-1",     "-5",    "2147483648", "1000000000000",
                          "1e308", "-1e308", "1.5e9", "Infinity"};
  for (int field = 0; field < 4; ++field) {
    for (const char* count : counts) {
      SCOPED_TRACE(std::to_string(field) + ": " + count);
      AseObject bad;
      bad.name = "Bad";
      std::string* fields[] = {&bad.numvertex, &bad.numfaces, &bad.numtvertex, &bad.numtvfaces};
      *fields[field] = count;
      TestSession t;
      convert_text(t, ase_header() + ase_object(bad) + good_object());
      expect_at_rest(t);
      if (t.session.scene.file_loaded != 1) {  // refused, and told why
        EXPECT_EQ(t.prompt.messages.back(), (Message{invalid_text, 16, "Error"}));
        continue;
      }
      std::string asc = t.folder.read("scene.asc");
      EXPECT_EQ(whole_blocks(asc), 1);
      EXPECT_NE(asc.find("Named object: \"Good\""), std::string::npos);
    }
  }
}

TEST(HostileInput, IndicesPastEveryListSkipTheObject) {
  struct Case {
    std::string from, to;
  };
  const Case cases[] = {
      {"A:    0", "A: 99999999999"},
      {"A:    0", "A: -7"},
      {"B:    1", "B: 1e300"},
      {"*MESH_TFACE 0\t0", "*MESH_TFACE 0\t1000000000000"},
      {"*MESH_TFACE 0\t0", "*MESH_TFACE 0\t-1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.to);
    AseObject bad;
    bad.name = "Bad";
    std::string text = ase_object(bad);
    text.replace(text.find(c.from), c.from.size(), c.to);
    TestSession t;
    convert_text(t, ase_header() + text + good_object());
    expect_at_rest(t);
    std::string asc = t.folder.read("scene.asc");
    EXPECT_EQ(whole_blocks(asc), 1);
    EXPECT_NE(asc.find("Named object: \"Good\""), std::string::npos);
    ASSERT_EQ(t.session.scene.skipped_objects.size(), 1u);
    EXPECT_EQ(t.session.scene.skipped_objects[0].name, "Bad");
  }
  // A material id outside every slot still finds one.
  for (std::string id : {"1e18", "-2147483649", "nan"}) {
    AseObject odd;
    std::string text = ase_object(odd);
    text.replace(text.find("*MESH_MTLID 0"), 13, "*MESH_MTLID " + id);
    TestSession t;
    convert_text(t, ase_header() + text);
    expect_at_rest(t);
    EXPECT_EQ(whole_blocks(t.folder.read("scene.asc")), 1);
  }
}

// Cut after every line and inside some: the analysis refuses or skips, and
// whatever is written holds whole objects only.
TEST(HostileInput, AFileThatEndsInsideAnyBlockLeavesNoHalfObject) {
  std::vector<AseObject> two = boxes(2);
  std::string scene = ase_scene(two);
  for (std::size_t cut = scene.find('\n'); cut != std::string::npos;
       cut = scene.find('\n', cut + 1)) {
    for (std::size_t end : {cut + 1, cut - 3}) {
      SCOPED_TRACE(end);
      TestSession t;
      convert_text(t, scene.substr(0, end));
      expect_at_rest(t);
      EXPECT_LE(whole_blocks(t.folder.read("scene.asc")), 2);
    }
  }
  // An .asc input re-written into a chosen target.
  std::string asc = asc_scene({AscBlock{}, AscBlock{}});
  for (std::size_t cut = asc.find('\n'); cut != std::string::npos; cut = asc.find('\n', cut + 1)) {
    for (std::size_t end : {cut + 1, cut - 3}) {
      SCOPED_TRACE("asc " + std::to_string(end));
      TestSession t;
      analyse_text(t, asc.substr(0, end), "scene.asc");
      if (t.session.scene.file_loaded == 1) {
        t.session.scene.fich_dest = t.folder.file("out.asc");
        t.session.window.Text_savefile.text = t.session.scene.fich_dest;
        start_process(t.session);
      }
      expect_at_rest(t);
      EXPECT_LE(whole_blocks(t.folder.read("out.asc")), 2);
    }
  }
}

TEST(HostileInput, NamesThatLookLikePathsStayNames) {
  std::vector<std::string> names = {
      "..", "../../escape", "..\\..\\escape",  "C:\\evil", "/tmp/evil", "x,y", "a\" tail",
      "",   "con",          "name\twith\ttabs"};
  std::vector<AseObject> objects;
  for (const auto& name : names) {
    AseObject object;
    object.name = name;
    objects.push_back(object);
  }
  TestSession t;
  convert_text(t, ase_scene(objects));
  expect_at_rest(t);
  std::string asc = t.folder.read("scene.asc");
  EXPECT_EQ(whole_blocks(asc), static_cast<int>(names.size()));
  // The quoted name ends at its second quote.
  EXPECT_NE(asc.find("Named object: \"a\"\r\n"), std::string::npos);
  EXPECT_NE(asc.find("Named object: \"../../escape\"\r\n"), std::string::npos);
  std::vector<std::string> entries;
  for (const auto& entry : std::filesystem::directory_iterator(t.folder.path())) {
    entries.push_back(entry.path().filename().string());
  }
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"TIFFRGB", "scene.asc", "scene.ase", "scene.mat"}));

  // The filter splits at commas only: "x,y" can't be asked for by name.
  TestSession filtered;
  filtered.session.window.Text3.text = "x,y,..";
  convert_text(filtered, ase_scene(objects));
  std::string only = filtered.folder.read("scene.asc");
  EXPECT_EQ(whole_blocks(only), 1);
  EXPECT_NE(only.find("Named object: \"..\""), std::string::npos);
}

// A folder, a device or a pipe is never read: it would never end.
TEST(HostileInput, InputsThatAreNoRegularFilesAreRefused) {
  TestSession t;
  std::string folder = t.folder.file("folder.ase");
  std::filesystem::create_directories(folder);
  std::vector<std::pair<std::string, std::string>> inputs = {{folder, "Is a directory"}};
#ifndef _WIN32
  std::string zero = t.folder.file("zero.ase");
  std::filesystem::create_symlink("/dev/zero", zero);
  inputs.push_back({zero, "It is not a regular file (a device or a pipe)"});
  std::string pipe = t.folder.file("pipe.ase");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  inputs.push_back({pipe, "It is not a regular file (a device or a pipe)"});
#endif
  for (const auto& [path, why] : inputs) {
    SCOPED_TRACE(path);
    Message refusal{"The file " + path + " couldn't be opened: " + why, 16, "Error"};
    // On the command line...
    TestSession start_up;
    analyze(start_up.session, path);
    EXPECT_EQ(start_up.prompt.messages, std::vector<Message>{refusal});
    EXPECT_TRUE(start_up.session.scene.fich.empty());
    // ...and from the dialog.
    TestSession chosen;
    chosen.prompt.open_answers = {path};
    analyze(chosen.session, "");
    ASSERT_FALSE(chosen.prompt.messages.empty());
    EXPECT_EQ(chosen.prompt.messages.back(), refusal);
    EXPECT_EQ(chosen.session.scene.file_loaded, 0);
    expect_at_rest(chosen);
  }
}

}  // namespace
}  // namespace meshmill::testing

namespace meshmill::testing {
namespace {

// An .asc input is re-written into a chosen target; no output may take the
// input's own name, or reading it would end with the input replaced.
TEST(HostileInput, TheInputIsNeverAnOutput) {
  const Message refusal{
      "You can't overwrite the original 3d scene file from where this program will read the "
      "information! You HAVE to choose another name or another path!",
      16, "Error"};
  std::vector<AscBlock> many(256);
  const std::string text = asc_scene(many);

  // Its own name as the target taken from the input's name.
  TestSession own;
  std::string input = own.folder.write("level.ASC", text);  // level.asc on Windows
  analyze(own.session, input);
  ASSERT_EQ(own.session.scene.file_loaded, 1);
  own.session.window.Check3.value = 1;
  own.session.window.Check4.value = 1;
  own.prompt.messages.clear();
  start_process(own.session);
  EXPECT_EQ(own.prompt.messages, std::vector<Message>{refusal});
  EXPECT_EQ(own.session.window.Check3.value, 0);
  EXPECT_EQ(read_file(input), text);
  expect_at_rest(own);

  // The second split file of a chosen target.
  TestSession split;
  input = split.folder.write("level_02.asc", text);
  analyze(split.session, input);
  ASSERT_EQ(split.session.scene.file_loaded, 1);
  split.session.scene.fich_dest = split.folder.file("level.asc");
  split.session.window.Text_savefile.text = split.session.scene.fich_dest;
  split.prompt.messages.clear();
  start_process(split.session);
  EXPECT_EQ(split.prompt.messages, std::vector<Message>{refusal});
  EXPECT_EQ(read_file(input), text);
  EXPECT_FALSE(split.folder.exists("level_01.asc"));
  expect_at_rest(split);
}

}  // namespace
}  // namespace meshmill::testing

namespace meshmill::testing {
namespace {

// A bitmap path is only ever a name in TIFFRGB: folders in front of it,
// ".." included, never lead the renaming anywhere else.
TEST(HostileInput, BitmapPathsDontLeaveTheTextureFolder) {
  for (std::string bitmap : {"..\\..\\roadside_barrier_long.tga", "/../roadside_barrier_long.tga",
                             "C:..\\TIFFRGB\\..\\roadside_barrier_long.tga"}) {
    SCOPED_TRACE(bitmap);
    TestSession t;
    std::string text = read_file(copy_examples(t.folder));
    const std::string original = "C:\\3dsmax\\maps\\roadside_barrier_long.tga";
    text.replace(text.find(original), original.size(), bitmap);
    std::string scene = t.folder.write("sample_track.ase", text);
    // The same name above the texture folder, where a path could lead.
    t.folder.write("roadside_barrier_long.tif", "outside");
    t.session.window.Check5.value = 0;
    t.session.window.Check1.value = 1;
    analyze(t.session, scene);
    ASSERT_EQ(t.session.scene.file_loaded, 1);
    EXPECT_EQ(t.folder.read("roadside_barrier_long.tif"), "outside");
    EXPECT_FALSE(t.folder.exists("roadside_barrier_long.ti"));
    EXPECT_TRUE(
        t.folder.exists("TIFFRGB/roadside_ba\xC2\xAB"
                        "0.tif"));
    EXPECT_TRUE(t.folder.exists("TIFFRGB/roadside_barrier_long.ti"));
  }
}

}  // namespace
}  // namespace meshmill::testing
