#include "format/line_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "format/keywords.h"

namespace meshmill {
namespace {

// Serves a text in pieces of `piece` bytes, to exercise the reader's refills.
class TextInput : public InputStream {
 public:
  TextInput(std::string text, std::size_t piece) : text_(std::move(text)), piece_(piece) {}
  std::ptrdiff_t read(char* buffer, std::size_t size) override {
    std::size_t n = std::min({size, piece_, text_.size() - at_});
    std::memcpy(buffer, text_.data() + at_, n);
    at_ += n;
    return static_cast<std::ptrdiff_t>(n);
  }
  const std::string& error() const override { return error_; }

 private:
  std::string text_;
  std::size_t piece_;
  std::size_t at_ = 0;
  std::string error_;
};

std::vector<std::string> read_all(const std::string& text, std::size_t piece = 3,
                                  std::size_t max_line = 1 << 20) {
  LineReader reader(std::make_unique<TextInput>(text, piece), max_line);
  std::vector<std::string> lines;
  while (reader.next()) {
    lines.emplace_back(reader.line());
    EXPECT_EQ(reader.number(), static_cast<long>(lines.size()));
  }
  return lines;
}

TEST(LineReader, SplitsLinesAsWindowsAndUnixWriteThem) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(read_all("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(read_all("a\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(read_all("\r\n\r\nx"), (Lines{"", "", "x"}));
  EXPECT_EQ(read_all("a\rb\r\n"), (Lines{"a\rb"}));
  EXPECT_EQ(read_all(""), Lines{});
  EXPECT_EQ(read_all(std::string("n\0ul\n", 5)), (Lines{std::string("n\0ul", 4)}));
}

TEST(LineReader, CutsOverlongLinesAndGoesOn) {
  std::string text = std::string(100, 'x') + "\r\nshort\r\n" + std::string(50, 'y');
  LineReader reader(std::make_unique<TextInput>(text, 7), 10);
  ASSERT_TRUE(reader.next());
  EXPECT_EQ(reader.line(), std::string(10, 'x'));
  EXPECT_TRUE(reader.truncated());
  ASSERT_TRUE(reader.next());
  EXPECT_EQ(reader.line(), "short");
  EXPECT_FALSE(reader.truncated());
  ASSERT_TRUE(reader.next());
  EXPECT_EQ(reader.line(), std::string(10, 'y'));
  EXPECT_TRUE(reader.truncated());
  EXPECT_FALSE(reader.next());
  EXPECT_EQ(reader.number(), 3);
}

TEST(Keywords, PrefixTestsCountTabsAndFoldCaseOnlyWhereAsked) {
  EXPECT_TRUE(begins_with_upper("\t\t*mesh_numvertex 8", "\t\t*MESH_NUMVERTEX "));
  EXPECT_FALSE(begins_with_upper("  *MESH_NUMVERTEX 8", "\t\t*MESH_NUMVERTEX "));
  EXPECT_FALSE(begins_with("\t\t*material_name \"a\"", "\t\t*MATERIAL_NAME "));
  EXPECT_TRUE(begins_with_lower("NAMED OBJECT: \"x\"", "named object"));
  EXPECT_FALSE(begins_with_upper("", "*GROUP"));
  EXPECT_EQ(begins_with_upper("*geomobject \xe9", "*GEOMOBJECT"), true);
  EXPECT_EQ(find_at("A: 1 B: 2", "B:"), 6u);
  EXPECT_EQ(find_at("A: 1 B: 2", "B:", 7), 0u);
  EXPECT_EQ(find_at("abc", "c", 9), 0u);
}

TEST(Keywords, QuotedNames) {
  EXPECT_EQ(quoted_name("\t*NODE_NAME \"Box01\" x"), "Box01");
  EXPECT_EQ(quoted_name("\"\""), "");
  EXPECT_FALSE(quoted_name("\t*NODE_NAME \"Box01").has_value());
  EXPECT_FALSE(quoted_name("no quotes").has_value());
}

TEST(Keywords, LeadingNumberRule) {
  EXPECT_EQ(leading_number(" 1 024"), 1024);
  EXPECT_EQ(leading_number("\t12abc"), 12);
  EXPECT_EQ(leading_number("abc"), 0);
  EXPECT_EQ(leading_number("-2.5e2x"), -250);
  EXPECT_EQ(leading_number("+7"), 7);
  EXPECT_EQ(leading_number("1e"), 1);
  EXPECT_EQ(leading_number("-"), 0);
  EXPECT_EQ(leading_number(".5"), 0.5);
  EXPECT_EQ(leading_number("&H10"), 0);
  EXPECT_EQ(leading_number("1000000000000"), 1e12);
  EXPECT_EQ(leading_number(std::string(400, '9')), HUGE_VAL);
  EXPECT_EQ(leading_number("1e999999"), HUGE_VAL);
  EXPECT_EQ(leading_number("1e-999999"), 0);
  EXPECT_EQ(number_after("\t\t*MESH_NUMFACES 12", 17), 12);
  EXPECT_EQ(number_after("short", 17), 0);
}

TEST(Keywords, RoundsHalfToEven) {
  EXPECT_EQ(round_half_even(127.5), 128);
  EXPECT_EQ(round_half_even(126.5), 126);
  EXPECT_EQ(round_half_even(0.3 * 255), 76);
  EXPECT_EQ(round_half_even(-0.5), 0);
  EXPECT_EQ(round_half_even(1e300), static_cast<std::int64_t>(9.2e18));
  EXPECT_EQ(round_half_even(std::nan("")), 0);
}

}  // namespace
}  // namespace meshmill
