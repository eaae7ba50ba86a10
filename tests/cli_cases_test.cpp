// meshmill-cli as the user meets it, one folder of tests/data/cli for each
// case: `args` (one argument a line; "<folder>/" starts a path in the scratch
// folder), the expected `status`, `stdout` and `stderr`, and, when the case
// looks at files, `changes` (what the run added "+", removed "-" or changed
// "*" in the scratch folder) and `expected/` (files the run leaves, byte for
// byte). The scratch folder starts as a copy of examples/ with the case's
// `input/` over it; the names listed in `read_only` are made read-only. A case
// whose output holds a reason worded by the system has a `posix_only` file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/paths.h"
#include "platform/version.h"
#include "support/cli_run.h"
#include "support/folder_snapshot.h"
#include "support/test_session.h"

namespace meshmill::testing {
namespace {

namespace stdfs = std::filesystem;

const std::string cases = std::string(MESHMILL_TEST_DATA) + "/cli/";

std::vector<std::string> case_names() {
  std::vector<std::string> names;
  for (const auto& entry : stdfs::directory_iterator(cases)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The lines of a text file (LF ends; an empty line is an empty argument).
std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    result.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) result.push_back(text.substr(start));
  return result;
}

// A path of the scratch folder in the system's own form.
std::string scratch_path(const std::string& arg, const TempFolder& folder) {
  const std::string marker = "<folder>/";
  if (arg.rfind(marker, 0) != 0) return arg;
  std::string rest = arg.substr(marker.size());
  std::replace(rest.begin(), rest.end(), '/', path_separator);
  return folder.file(rest);
}

// Output as the golden files hold it: the scratch folder as <folder>, the
// separators after it (plain, or escaped in JSON) as '/', the version as <version>.
std::string normalised(std::string text, const std::string& folder) {
  for (const std::string& form : {json_path(folder), folder}) {
    for (std::size_t at; (at = text.find(form)) != std::string::npos;) {
      text.replace(at, form.size(), "<folder>");
    }
  }
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 8, "<folder>") == 0) {
      out += "<folder>";
      for (i += 8; i < text.size() && std::string_view("\" \n(),").find(text[i]) == std::string_view::npos; ++i) {
        if (text[i] != '\\') {
          out += text[i];
          continue;
        }
        out += '/';
        if (i + 1 < text.size() && text[i + 1] == '\\') ++i;
      }
      if (i < text.size()) out += text[i];
    } else {
      out += text[i];
    }
  }
  const std::string version_line = std::string("meshmill-cli ") + version;
  for (std::size_t at; (at = out.find(version_line)) != std::string::npos;) {
    out.replace(at, version_line.size(), "meshmill-cli <version>");
  }
  return out;
}

void set_read_only(const std::string& path, bool read_only) {
  stdfs::permissions(stdfs::path(std::u8string(path.begin(), path.end())),
                     stdfs::perms::owner_write,
                     read_only ? stdfs::perm_options::remove : stdfs::perm_options::add);
}

class Cli : public ::testing::TestWithParam<std::string> {};

TEST_P(Cli, MatchesItsGoldenFiles) {
  const std::string dir = cases + GetParam() + "/";
#ifdef _WIN32
  if (stdfs::exists(dir + "posix_only")) GTEST_SKIP() << "the system words its reasons otherwise";
#endif
  TempFolder folder;
  stdfs::copy(MESHMILL_EXAMPLES, folder.path(), stdfs::copy_options::recursive);
  if (stdfs::exists(dir + "input")) {
    stdfs::copy(dir + "input", folder.path(),
                stdfs::copy_options::recursive | stdfs::copy_options::overwrite_existing);
  }
  const std::vector<std::string> read_only = lines(read_file(dir + "read_only"));
  for (const auto& name : read_only) set_read_only(folder.file(name), true);
  std::string args;
  for (const auto& arg : lines(read_file(dir + "args"))) {
    args += " \"" + scratch_path(arg, folder) + "\"";
  }

  const FolderSnapshot before = snapshot(folder.path());
  const CliRun run = run_cli(args);
  for (const auto& name : read_only) set_read_only(folder.file(name), false);
  std::string changed;
  for (const auto& change : changes(before, snapshot(folder.path()))) changed += change + "\n";

  const std::pair<std::string, std::string> outcomes[] = {
      {"status", std::to_string(run.status) + "\n"},
      {"stdout", normalised(run.out, folder.path())},
      {"stderr", normalised(run.err, folder.path())},
      {"changes", changed}};
  for (const auto& [name, actual] : outcomes) expect_golden(actual, "cli/" + GetParam() + "/" + name);
  if (!stdfs::exists(dir + "expected")) return;
  for (const auto& entry : stdfs::recursive_directory_iterator(dir + "expected")) {
    if (entry.is_directory()) continue;
    std::string name = entry.path().lexically_relative(dir + "expected").generic_string();
    expect_golden(folder.read(name), "cli/" + GetParam() + "/expected/" + name);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, Cli, ::testing::ValuesIn(case_names()),
                         [](const auto& test) { return test.param; });

}  // namespace
}  // namespace meshmill::testing
