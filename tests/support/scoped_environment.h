#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace meshmill::testing {

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    set(value);
  }
  ~ScopedEnvironment() {
    if (old_) {
      set(*old_);
    } else {
      unset();
    }
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
#ifdef _WIN32
  // The wide environment is what the program reads on Windows; the C runtime
  // keeps both copies in step.
  void set(const std::string& value) {
    _putenv_s(name_.c_str(), value.c_str());
  }
  void unset() {
    _putenv_s(name_.c_str(), "");
  }
#else
  void set(const std::string& value) {
    setenv(name_.c_str(), value.c_str(), 1);
  }
  void unset() {
    unsetenv(name_.c_str());
  }
#endif

  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace meshmill::testing
