#include "analysis/material_values.h"

#include <charconv>

#include "format/keywords.h"

namespace meshmill {

namespace {

constexpr std::int64_t largest_count = 32767;  // counts are 16-bit in the material file's world

bool is_separator(char c) {
  return c == ' ' || c == '\t';
}

// Calls `visit` with every blank- or TAB-separated field of `text`; stops and
// answers false as soon as `visit` does.
template <typename Visit>
bool each_field(std::string_view text, Visit visit) {
  std::size_t at = 0;
  while (at < text.size()) {
    if (is_separator(text[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && !is_separator(text[end])) ++end;
    if (!visit(text.substr(at, end - at))) return false;
    at = end;
  }
  return true;
}

// The whole field is one number.
std::optional<double> whole_number(std::string_view field) {
  double value = 0;
  auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
  return value;
}

// The text after the keyword is exactly `count` numbers, each equal to `expected`.
bool holds_only(std::string_view line, std::size_t keyword_end, int count, double expected) {
  if (keyword_end > line.size()) return false;
  int seen = 0;
  bool all_equal = each_field(line.substr(keyword_end), [&](std::string_view field) {
    auto value = whole_number(field);
    ++seen;
    return value && *value == expected;
  });
  return all_equal && seen == count;
}

}  // namespace

std::string at_depth(int depth, std::string_view keyword) {
  std::string text(static_cast<std::size_t>(depth), '\t');
  text += keyword;
  return text;
}

std::string_view quoted_text(std::string_view line) {
  std::size_t quote = line.find('"');
  if (quote == std::string_view::npos || quote + 2 > line.size()) return {};
  return line.substr(quote + 1, line.size() - quote - 2);
}

std::string_view blank_field(std::string_view line, std::size_t index) {
  std::size_t begin = 0;
  for (std::size_t i = 0; i < index; ++i) {
    std::size_t blank = line.find(' ', begin);
    if (blank == std::string_view::npos) return {};
    begin = blank + 1;
  }
  std::size_t end = line.find(' ', begin);
  return line.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
}

std::optional<std::int64_t> material_count(std::string_view line) {
  std::string_view field = blank_field(line, 1);
  std::int64_t count = 0;
  auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), count);
  if (field.empty() || error != std::errc() || end != field.data() + field.size()) {
    return std::nullopt;
  }
  if (count == -1) return 0;
  if (count < 0 || count > largest_count) return std::nullopt;
  return count;
}

std::optional<std::int64_t> submaterial_count(std::string_view line, std::size_t prefix_length) {
  double value = number_after(line, prefix_length);
  if (!(value >= 0 && value <= static_cast<double>(largest_count))) return std::nullopt;
  auto count = static_cast<std::int64_t>(value);
  if (static_cast<double>(count) != value) return std::nullopt;
  return count;
}

bool is_white_ambient(std::string_view line, std::size_t keyword_end) {
  return holds_only(line, keyword_end, 3, 1.0);
}

bool is_zero_transparency(std::string_view line, std::size_t keyword_end) {
  return holds_only(line, keyword_end, 1, 0.0);
}

std::string_view colour_text(std::string_view line, std::size_t keyword_end) {
  if (keyword_end >= line.size()) return {};
  std::string_view rest = line.substr(keyword_end);
  std::size_t first = rest.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  std::size_t last = rest.find_last_not_of(' ');
  return rest.substr(first, last - first + 1);
}

}  // namespace meshmill
