#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace meshmill {

// Values the material pass takes from the lines of a material list.

// `depth` TAB characters followed by `keyword`: the expected text of a prefix test.
std::string at_depth(int depth, std::string_view keyword);

// A name or path cut by position: from the character after the first double
// quote up to, but not including, the last character of the line.
std::string_view quoted_text(std::string_view line);

// Field `index` (from 0) of the line split at every single blank; empty when
// the line has fewer fields.
std::string_view blank_field(std::string_view line, std::size_t index);

// The material count of a "*MATERIAL_COUNT " line (its second blank-separated
// field): an integer from 0 to 32767, -1 read as 0; nothing when the field is
// anything else.
std::optional<std::int64_t> material_count(std::string_view line);

// The sub-material count after the first `prefix_length` characters: a whole
// number from 0 to 32767; nothing otherwise.
std::optional<std::int64_t> submaterial_count(std::string_view line, std::size_t prefix_length);

// The ambient line after its keyword holds three numbers, each 1 (the white
// default), however many decimals they are written with.
bool is_white_ambient(std::string_view line, std::size_t keyword_end);

// The transparency line after its keyword holds one number, 0 (the default).
bool is_zero_transparency(std::string_view line, std::size_t keyword_end);

// What follows the keyword, blanks trimmed at both ends: a colour's three
// numbers with their TAB separators.
std::string_view colour_text(std::string_view line, std::size_t keyword_end);

}  // namespace meshmill
