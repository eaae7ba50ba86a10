#include "support/cli_run.h"

#include <cstdlib>

#ifdef _WIN32
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/wide_text.h"
#else
#include <sys/wait.h>
#endif

namespace meshmill::testing {

CliRun run_cli(const std::string& args) {
  // Caught outside the scene's folder, whose changes the tests look at.
  const TempFolder folder;
  const std::string out = folder.file("out.txt");
  const std::string err = folder.file("err.txt");
#ifdef _WIN32
  // Beside the tests; the build's own path may be a Linux one when they run under wine.
  const std::string program = join_path(program_folder(), "meshmill-cli.exe");
  // cmd.exe takes off one outer pair of quotes; the wide call keeps non-ASCII paths intact.
  std::string command =
      "\"\"" + program + "\" " + args + " >\"" + out + "\" 2>\"" + err + "\" <NUL\"";
  int status = _wsystem(utf8_to_utf16(command).c_str());
#else
  std::string command = std::string("\"") + MESHMILL_CLI + "\" " + args + " >\"" + out + "\" 2>\"" +
                        err + "\" </dev/null";
  int raw = std::system(command.c_str());
  int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
  return {status, read_file(out), read_file(err)};
}

std::string json_path(const std::string& path) {
  std::string text;
  for (char c : path) {
    if (c == '\\') text += '\\';
    text += c;
  }
  return text;
}

}  // namespace meshmill::testing
