#pragma once

#include <map>
#include <string>
#include <vector>

namespace meshmill::testing {

// Every file under a folder (relative path with '/' separators, and its
// bytes); a folder is listed with a trailing '/' and no bytes.
using FolderSnapshot = std::map<std::string, std::string>;

FolderSnapshot snapshot(const std::string& folder);

// The entries that differ between two snapshots: "+name" added, "-name"
// removed, "*name" changed.
std::vector<std::string> changes(const FolderSnapshot& before, const FolderSnapshot& after);

}  // namespace meshmill::testing
