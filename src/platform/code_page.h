#pragma once

#include <string>
#include <string_view>

namespace meshmill {

// Text from scene files is Windows-1252; the user-facing edges (messages,
// file names on disk, JSON) are UTF-8.
std::string cp1252_to_utf8(std::string_view bytes);
// Characters without a Windows-1252 byte become '?'.
std::string utf8_to_cp1252(std::string_view text);

}  // namespace meshmill
