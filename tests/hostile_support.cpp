#include "hostile_support.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/scene_commands.h"

namespace meshmill::testing {

void convert_text(TestSession& t, const std::string& text, const std::string& name) {
  analyse_text(t, text, name);
  if (t.session.scene.file_loaded != 1) return;
  t.session.window.Check3.value = 1;
  start_process(t.session);
}

void expect_at_rest(const TestSession& t) {
  EXPECT_FALSE(t.session.command_running);
  EXPECT_FALSE(t.session.scene.logerrors);
  EXPECT_EQ(t.session.window.pointer, MousePointer::normal);
  EXPECT_FALSE(t.session.window.Process_bar.visible);
  EXPECT_FALSE(t.folder.exists("testfile.txt"));
  for (const auto& entry : std::filesystem::directory_iterator(t.folder.path())) {
    EXPECT_FALSE(entry.path().string().ends_with(".meshmill-part")) << entry.path();
  }
}

int whole_blocks(const std::string& asc) {
  int blocks = 0;
  std::size_t at = 0;
  while ((at = asc.find("Named object: ", at)) != std::string::npos) {
    EXPECT_TRUE(at == 0 || asc.compare(at - 4, 4, "\r\n\r\n") == 0) << "a block breaks off";
    ++blocks;
    ++at;
  }
  EXPECT_TRUE(asc.empty() || asc.ends_with("\r\n\r\n")) << "the last block breaks off";
  return blocks;
}

}  // namespace meshmill::testing
