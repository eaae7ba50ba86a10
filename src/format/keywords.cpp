#include "format/keywords.h"

#include <charconv>
#include <cmath>

namespace meshmill {

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
bool is_ignored_blank(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}

template <typename Fold>
bool begins_with_folded(std::string_view line, std::string_view expected, Fold fold) {
  if (line.size() < expected.size()) return false;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (fold(line[i]) != expected[i]) return false;
  }
  return true;
}

}  // namespace

bool begins_with(std::string_view line, std::string_view expected) {
  return line.substr(0, expected.size()) == expected;
}

bool begins_with_upper(std::string_view line, std::string_view expected) {
  return begins_with_folded(line, expected, ascii_upper);
}

bool begins_with_lower(std::string_view line, std::string_view expected) {
  return begins_with_folded(line, expected, ascii_lower);
}

std::size_t find_at(std::string_view line, std::string_view text, std::size_t start) {
  if (start == 0) start = 1;
  if (start > line.size() + 1) return 0;
  std::size_t found = line.find(text, start - 1);
  return found == std::string_view::npos ? 0 : found + 1;
}

std::optional<std::string_view> quoted_name(std::string_view line) {
  std::size_t first = line.find('"');
  if (first == std::string_view::npos) return std::nullopt;
  std::size_t second = line.find('"', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  return line.substr(first + 1, second - first - 1);
}

double leading_number(std::string_view text) {
  // Collect the characters of the number, skipping blanks, into a small buffer.
  // Digits past the buffer's room are counted so huge numbers stay huge.
  char buffer[128];
  std::size_t length = 0;
  long dropped_integer_digits = 0;
  enum class Stage {
    sign,
    integer,
    fraction_start,
    fraction,
    exponent_sign,
    exponent_start,
    exponent
  };
  Stage stage = Stage::sign;
  std::size_t valid_length = 0;  // longest prefix that is a complete number
  auto push = [&](char c) {
    if (length < sizeof buffer - 1) {
      buffer[length++] = c;
      return true;
    }
    return false;
  };
  for (char c : text) {
    if (is_ignored_blank(c)) continue;
    bool accepted = false;
    switch (stage) {
      case Stage::sign:
        if (c == '+' || c == '-') {
          accepted = push(c);
          stage = Stage::integer;
          break;
        }
        [[fallthrough]];
      case Stage::integer:
        if (is_digit(c)) {
          if (!push(c)) ++dropped_integer_digits;
          accepted = true;
          stage = Stage::integer;
          valid_length = length;
        } else if (c == '.') {
          accepted = push(c);
          stage = Stage::fraction_start;
        } else if ((c == 'e' || c == 'E') && valid_length > 0) {
          accepted = push(c);
          stage = Stage::exponent_sign;
        }
        break;
      case Stage::fraction_start:
      case Stage::fraction:
        if (is_digit(c)) {
          push(c);  // fraction digits past the room only lose precision
          accepted = true;
          stage = Stage::fraction;
          valid_length = length;
        } else if ((c == 'e' || c == 'E') && valid_length > 0) {
          accepted = push(c);
          stage = Stage::exponent_sign;
        }
        break;
      case Stage::exponent_sign:
        if (c == '+' || c == '-') {
          accepted = push(c);
          stage = Stage::exponent_start;
          break;
        }
        [[fallthrough]];
      case Stage::exponent_start:
      case Stage::exponent:
        if (is_digit(c)) {
          accepted = push(c);
          stage = Stage::exponent;
          if (accepted) valid_length = length;
        }
        break;
    }
    if (!accepted) break;
  }
  if (valid_length == 0) return 0.0;
  // "1." and "-.5" are numbers; a lone sign or point is not (valid_length guards it).
  double value = 0.0;
  const char* first = buffer[0] == '+' ? buffer + 1 : buffer;  // from_chars takes no '+'
  auto result = std::from_chars(first, buffer + valid_length, value);
  if (result.ec == std::errc::result_out_of_range) {
    bool negative = buffer[0] == '-';
    // Too small rounds to 0, too large to infinity.
    bool tiny = false;
    for (std::size_t i = 0; i < valid_length; ++i) {
      if (buffer[i] == 'e' || buffer[i] == 'E') {
        tiny = i + 1 < valid_length && buffer[i + 1] == '-';
        break;
      }
    }
    value = tiny ? 0.0 : HUGE_VAL;
    if (negative) value = -value;
  } else if (result.ec != std::errc()) {
    return 0.0;
  }
  if (dropped_integer_digits > 0)
    value *= std::pow(10.0, static_cast<double>(dropped_integer_digits));
  return value;
}

double number_after(std::string_view line, std::size_t prefix_length) {
  return prefix_length >= line.size() ? 0.0 : leading_number(line.substr(prefix_length));
}

std::int64_t round_half_even(double value) {
  if (std::isnan(value)) return 0;
  constexpr double limit = 9.2e18;
  if (value >= limit) return static_cast<std::int64_t>(limit);
  if (value <= -limit) return -static_cast<std::int64_t>(limit);
  return static_cast<std::int64_t>(std::nearbyint(value));
}

}  // namespace meshmill
