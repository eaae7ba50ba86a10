#include "state/split_names.h"

namespace meshmill {

std::vector<std::string> split_file_names(const std::string& target, std::int64_t count) {
  std::string base = target.substr(0, target.size() < 4 ? 0 : target.size() - 4);
  std::vector<std::string> names;
  for (std::int64_t i = 1; i <= count; ++i) {
    names.push_back(base + "_0" + std::to_string(i) + ".asc");
  }
  return names;
}

}  // namespace meshmill
