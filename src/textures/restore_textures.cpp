#include "textures/restore_textures.h"

#include <algorithm>
#include <set>

#include "platform/ascii_case.h"
#include "platform/file_system.h"
#include "platform/paths.h"

namespace meshmill {

namespace {

constexpr std::int64_t largest_texture_file = std::int64_t{1} << 30;

bool ends_with_ignoring_case(std::string_view name, std::string_view tail) {
  return name.size() > tail.size() &&
         equal_ignoring_case(name.substr(name.size() - tail.size()), tail);
}

class Restorer {
 public:
  Restorer(FileSystem& fs, std::string folder) : fs_(fs), folder_(std::move(folder)) {}

  RestoreResult run() {
    auto names = fs_.list_folder(folder_);
    if (!names) {
      add(RestoreStep::Kind::failed, "Could not list the folder " + folder_ + ".");
      return std::move(result_);
    }
    std::sort(names->begin(), names->end());
    std::vector<std::string> backups;
    std::set<std::string> long_names;  // lower case
    for (const std::string& name : *names) {
      if (!ends_with_ignoring_case(name, ".ti")) continue;
      backups.push_back(name);
      long_names.insert(ascii_lowered(long_name_of(name)));
    }
    for (const std::string& name : *names) {
      if (ends_with_ignoring_case(name, ".tif") && !long_names.count(ascii_lowered(name))) {
        copies_.push_back(name);
      }
    }
    for (const std::string& backup : backups) restore(backup);
    return std::move(result_);
  }

 private:
  static std::string long_name_of(const std::string& backup) {
    return backup.substr(0, backup.size() - 3) + ".tif";
  }

  void add(RestoreStep::Kind kind, std::string text) {
    result_.steps.push_back({kind, std::move(text)});
  }

  std::optional<std::string> read(const std::string& name) {
    std::string why;
    auto bytes = read_whole_file(fs_, join_path(folder_, name), largest_texture_file, &why);
    if (!bytes) add(RestoreStep::Kind::failed, "Could not read " + name + ": " + why + ".");
    return bytes;
  }

  void restore(const std::string& backup) {
    const std::string long_name = long_name_of(backup);
    if (auto holder = fs_.find_entry_ignoring_case(folder_, long_name)) {
      add(RestoreStep::Kind::kept, "Kept " + backup + ": " + *holder + " exists.");
      return;
    }
    auto original = read(backup);
    if (!original) return;
    std::vector<std::string> identical;
    for (const std::string& copy : copies_) {
      auto size = fs_.file_size(join_path(folder_, copy));
      if (!size || *size != static_cast<std::int64_t>(original->size())) continue;
      auto bytes = read(copy);
      if (bytes && *bytes == *original) identical.push_back(copy);
    }
    std::string why;
    if (!fs_.rename_file(join_path(folder_, backup), join_path(folder_, long_name), &why)) {
      add(RestoreStep::Kind::failed,
          "Could not rename " + backup + " to " + long_name + ": " + why + ".");
      return;
    }
    add(RestoreStep::Kind::restored, "Restored " + long_name + " from " + backup + ".");
    if (identical.empty()) {
      add(RestoreStep::Kind::kept, "Kept every short-named copy of " + long_name +
                                       ": no .tif is identical to " + backup + ".");
    } else if (identical.size() > 1) {
      std::string list;
      for (const std::string& copy : identical) list += (list.empty() ? "" : ", ") + copy;
      add(RestoreStep::Kind::kept,
          "Kept " + list + ": each is identical to " + backup + ", so none is known as its copy.");
    } else if (!fs_.remove_file(join_path(folder_, identical.front()), &why)) {
      add(RestoreStep::Kind::failed, "Could not remove " + identical.front() + ": " + why + ".");
    } else {
      add(RestoreStep::Kind::removed,
          "Removed " + identical.front() + ", the short-named copy identical to " + backup + ".");
      copies_.erase(std::find(copies_.begin(), copies_.end(), identical.front()));
    }
  }

  FileSystem& fs_;
  std::string folder_;
  std::vector<std::string> copies_;  // the .tif files that may be short-named copies
  RestoreResult result_;
};

}  // namespace

RestoreResult restore_texture_names(FileSystem& fs, const std::string& tiffrgb_folder) {
  return Restorer(fs, tiffrgb_folder).run();
}

bool RestoreResult::refused() const {
  return std::any_of(steps.begin(), steps.end(), [](const RestoreStep& step) {
    return step.kind == RestoreStep::Kind::kept || step.kind == RestoreStep::Kind::failed;
  });
}

}  // namespace meshmill
