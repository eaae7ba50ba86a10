#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace meshmill {

// Small text helpers of the ASC writer: values travel as text and only
// counts and indices are formatted.

// The text of `length` characters from the 1-based `start`, cut at the end of
// the line.
inline std::string_view mid(std::string_view line, std::size_t start, std::size_t length) {
  if (start == 0 || start > line.size()) return std::string_view();
  return line.substr(start - 1, length);
}

inline void append_integer(std::string& out, std::int64_t value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

// The shortest decimal text of a number: 1 for 1.0, 0.5 for 0.5; never "-0".
inline void append_number(std::string& out, double value) {
  if (value == 0) value = 0;  // drops the sign of a negative zero
  if (value > -1e15 && value < 1e15 && value == std::trunc(value)) {
    append_integer(out, static_cast<std::int64_t>(value));
    return;
  }
  char digits[32];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

// The textual sign toggle: a leading "-" is removed, otherwise one is put in front.
inline void append_sign_toggled(std::string& out, std::string_view text) {
  if (!text.empty() && text.front() == '-') {
    out.append(text.substr(1));
  } else {
    out += '-';
    out.append(text);
  }
}

}  // namespace meshmill
