#include "processing/object_filter.h"

#include <algorithm>

#include "platform/code_page.h"

namespace meshmill {

ObjectFilter::ObjectFilter(std::string_view typed_utf8) : everything_(typed_utf8.empty()) {
  if (everything_) return;
  std::string names = utf8_to_cp1252(typed_utf8);
  std::size_t begin = 0;
  while (true) {
    std::size_t comma = names.find(',', begin);
    names_.push_back(
        names.substr(begin, comma == std::string::npos ? std::string::npos : comma - begin));
    if (comma == std::string::npos) break;
    begin = comma + 1;
  }
}

bool ObjectFilter::accepts(std::string_view name) const {
  return everything_ || std::find(names_.begin(), names_.end(), name) != names_.end();
}

}  // namespace meshmill
