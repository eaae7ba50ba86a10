#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace meshmill {

// The names typed into "Include only following objects :". The box holds
// UTF-8; object names are Windows-1252, so the names are converted once and
// compared byte for byte (case and blanks count, nothing is trimmed).
class ObjectFilter {
 public:
  explicit ObjectFilter(std::string_view typed_utf8);
  // True when the box is empty or one of its comma-separated names equals `name`.
  bool accepts(std::string_view name) const;

 private:
  bool everything_ = true;
  std::vector<std::string> names_;
};

}  // namespace meshmill
