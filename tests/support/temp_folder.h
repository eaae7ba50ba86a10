#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace meshmill::testing {

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // path() + separator + name
  std::string file(const std::string& name) const;
  // Writes `bytes` to path()/name (binary) and returns the full path.
  std::string write(const std::string& name, const std::string& bytes) const;
  // The bytes of path()/name, or "" when it is missing.
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;

 private:
  std::string path_;
};

// The bytes of any file ("" when missing).
std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);

}  // namespace meshmill::testing
