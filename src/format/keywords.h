#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/ascii_case.h"

namespace meshmill {

// Keyword tests by position: the first characters of a line, indentation
// included, are compared with an expected text. Case folding is ASCII only.

// The line begins with `expected` (compared as it stands).
bool begins_with(std::string_view line, std::string_view expected);
// The line's first characters, upper-cased, equal `expected` (given in upper case).
bool begins_with_upper(std::string_view line, std::string_view expected);
// The line's first characters, lower-cased, equal `expected` (given in lower case).
bool begins_with_lower(std::string_view line, std::string_view expected);

// 1-based position of `text` in `line`, searching from the 1-based `start`; 0 when absent.
std::size_t find_at(std::string_view line, std::string_view text, std::size_t start = 1);

// The text strictly between the first two double quotes; nothing when a quote is missing.
std::optional<std::string_view> quoted_name(std::string_view line);

// The leading-number rule: blanks, TABs and line feeds anywhere are ignored,
// then an optional sign, digits, an optional point with digits and an optional
// exponent are read; text without a leading number gives 0.
double leading_number(std::string_view text);

// The number after the first `prefix_length` characters of a line.
double number_after(std::string_view line, std::size_t prefix_length);

// Rounds to the nearest integer with halves to the even neighbour, clamped to
// the range of a 64-bit integer (NaN gives 0).
std::int64_t round_half_even(double value);

}  // namespace meshmill
