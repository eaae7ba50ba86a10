#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace meshmill {
namespace {

using testing::TempFolder;

TEST(IniFile, ReadsLikeTheProfileFunctions) {
  TempFolder folder;
  auto fs = make_native_file_system();
  std::string path = folder.write("a.ini",
                                  "; comment = not a key\r\n"
                                  "key=outside any section\r\n"
                                  "[Other]\r\n"
                                  "Key=other section\r\n"
                                  "[ general SETTINGS ]\n"
                                  "  KEY  =  spaced value  \n"
                                  "quoted=\"  in quotes \"\r\n"
                                  "long=123456789012345678901234\r\n"
                                  "[General Settings]\r\n"
                                  "late=the first section wins\r\n");
  IniFile file = IniFile::load(*fs, path);
  EXPECT_EQ(file.read("General settings", "key", "Empty", 20), "spaced value");
  EXPECT_EQ(file.read("general settings", "QUOTED", "Empty", 20), "  in quotes ");
  EXPECT_EQ(file.read("General settings", "long", "Empty", 20), "1234567890123456789");
  EXPECT_EQ(file.read("General settings", "late", "Empty", 20), "Empty");
  EXPECT_EQ(file.read("Other", "key", "Empty", 20), "other section");
  EXPECT_EQ(file.read("Missing", "key", "Empty", 20), "Empty");
  EXPECT_EQ(file.read("Other", "key", "Empty", 6), "other");
  EXPECT_EQ(file.read("Missing", "key", "Default text", 5), "Defa");
  EXPECT_EQ(file.read("Missing", "key", "Default text", 0), "");

  IniFile missing = IniFile::load(*fs, folder.file("missing.ini"));
  EXPECT_EQ(missing.read("General settings", "key", "Empty", 20), "Empty");
}

TEST(IniFile, WritingKeepsEveryOtherLine) {
  TempFolder folder;
  auto fs = make_native_file_system();
  const std::string original =
      "; written by hand\n"
      "[Other]\n"
      "a=1\n"
      "\n"
      "[General settings]\r\n"
      "  First = 0 \r\n"
      "; keep me\r\n"
      "\r\n"
      "[Last]\n"
      "z=9";
  std::string path = folder.write("a.ini", original);
  IniFile file = IniFile::load(*fs, path);
  file.write("GENERAL SETTINGS", "first", "1");
  file.write("General settings", "Second", "0");
  file.write("Last", "y", "8");
  file.write("New section", "key", "value");
  ASSERT_TRUE(file.save(*fs, path));
  EXPECT_EQ(folder.read("a.ini"),
            "; written by hand\n"
            "[Other]\n"
            "a=1\n"
            "\n"
            "[General settings]\r\n"
            "First=1\r\n"
            "; keep me\r\n"
            "Second=0\r\n"
            "\r\n"
            "[Last]\n"
            "z=9\r\n"
            "y=8\r\n"
            "[New section]\r\n"
            "key=value\r\n");
  EXPECT_FALSE(folder.exists("a.ini.meshmill-part"));

  // A header that ends the file without a line end.
  std::string bare = folder.write("b.ini", "[General settings]");
  IniFile second = IniFile::load(*fs, bare);
  second.write("General settings", "key", "1");
  ASSERT_TRUE(second.save(*fs, bare));
  EXPECT_EQ(folder.read("b.ini"), "[General settings]\r\nkey=1\r\n");
}

TEST(IniFile, WritingCreatesTheFileAndSkipsAByteOrderMark) {
  TempFolder folder;
  auto fs = make_native_file_system();
  IniFile created = IniFile::load(*fs, folder.file("new.ini"));
  created.write("General settings", "key", "1");
  ASSERT_TRUE(created.save(*fs, folder.file("new.ini")));
  EXPECT_EQ(folder.read("new.ini"), "[General settings]\r\nkey=1\r\n");

  std::string path = folder.write("bom.ini", "\xEF\xBB\xBF[General settings]\r\nkey=0\r\n");
  IniFile file = IniFile::load(*fs, path);
  EXPECT_EQ(file.read("General settings", "key", "Empty", 20), "0");
  file.write("General settings", "key", "1");
  EXPECT_EQ(file.bytes(), "\xEF\xBB\xBF[General settings]\r\nkey=1\r\n");

  // A folder that does not exist can't hold the file: nothing is written.
  IniFile orphan;
  std::string why;
  EXPECT_FALSE(orphan.save(*fs, folder.file("no such folder/x.ini"), &why));
  EXPECT_FALSE(why.empty());
}

}  // namespace
}  // namespace meshmill
