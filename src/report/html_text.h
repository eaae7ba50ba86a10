#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace meshmill {

// Appends UTF-8 text escaped for HTML text and quoted attribute values alike:
// & < > " ' become entities, and bytes that are not valid UTF-8 or are control
// characters (other than TAB and line feed) become U+FFFD, so nothing from a
// file can close an element or an attribute.
void append_html(std::string& out, std::string_view utf8);

// The same for Windows-1252 text from a scene file.
void append_scene_html(std::string& out, std::string_view cp1252);

// Bytes in base64, as a data: address carries them.
void append_base64(std::string& out, std::string_view bytes);

// A decimal integer.
void append_count(std::string& out, std::int64_t value);

// A number with at most one decimal, as coordinates of the map are written.
void append_coordinate(std::string& out, double value);

// A number as short as it reads well: up to `decimals` decimals, without trailing zeros.
void append_decimal(std::string& out, double value, int decimals);

}  // namespace meshmill
