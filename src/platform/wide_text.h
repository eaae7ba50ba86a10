#pragma once

#ifdef _WIN32

#include <string>
#include <string_view>

namespace meshmill {

// Windows speaks UTF-16 to programs that use its wide-character functions;
// the rest of Meshmill speaks UTF-8.
std::wstring utf8_to_utf16(std::string_view text);
std::string utf16_to_utf8(std::wstring_view text);

// The system's text for an error code of GetLastError(), in UTF-8.
std::string system_error_text(unsigned long code);

}  // namespace meshmill

#endif
