#include "app/restore_command.h"

#include <cstdio>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "platform/process.h"

namespace meshmill {

namespace {

constexpr const char* restore_help =
    "Usage: meshmill-cli restore-textures SCENE [--json]\n"
    "\n"
    "Undoes the shortening of long texture names in the TIFFRGB folder beside\n"
    "SCENE: each .ti backup goes back to its long .tif name when no file holds\n"
    "that name, and the short-named copy made from it is removed when it is\n"
    "byte-identical to the backup. Nothing else is touched. Every step and every\n"
    "refusal is listed on standard output, one a line.\n"
    "\n"
    "Options:\n"
    "  --json   write one JSON object instead: input, folder, steps [{result,\n"
    "           text}] (result restored, removed, kept or failed) and outcome\n"
    "           (restored, nothing or failed)\n"
    "  --help   show this help\n"
    "\n"
    "Exit status: 0 done (also with nothing to restore), 1 a step was refused or\n"
    "failed, 2 usage error.\n";

const char* kind_name(RestoreStep::Kind kind) {
  switch (kind) {
    case RestoreStep::Kind::restored:
      return "restored";
    case RestoreStep::Kind::removed:
      return "removed";
    case RestoreStep::Kind::kept:
      return "kept";
    case RestoreStep::Kind::failed:
      return "failed";
  }
  return "failed";
}

void print_json(const std::string& scene, const std::string& folder, const RestoreResult& result) {
  JsonWriter json;
  json.begin_object();
  json.key("input");
  json.string(scene);
  json.key("folder");
  json.string(folder);
  json.key("steps");
  json.begin_array();
  for (const RestoreStep& step : result.steps) {
    json.begin_object();
    json.key("result");
    json.string(kind_name(step.kind));
    json.key("text");
    json.string(step.text);
    json.end_object();
  }
  json.end_array();
  json.key("outcome");
  json.string(result.refused() ? "failed" : result.steps.empty() ? "nothing" : "restored");
  json.end_object();
  std::printf("%s\n", json.text().c_str());
}

}  // namespace

int run_restore_textures(const std::vector<std::string>& args) {
  if (asks_for_help(args)) {
    print_help({restore_help});
    return exit_status::done;
  }
  std::string scene;
  bool json = false;
  if (!parse_command_line("restore-textures", args, {{"--json", &json}}, {}, scene)) {
    return exit_status::usage;
  }
  std::unique_ptr<FileSystem> fs = make_native_file_system();
  std::string folder;
  RestoreResult result = restore_scene_textures(*fs, scene, folder);
  if (json) {
    print_json(scene, folder, result);
  } else {
    std::printf("%s\n", restore_summary(result, folder).c_str());
  }
  return result.refused() ? exit_status::refused : exit_status::done;
}

}  // namespace meshmill
