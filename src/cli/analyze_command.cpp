#include <cstdio>

#include "app/scene_commands.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/material_report.h"
#include "cli/scene_report.h"
#include "cli/texture_options.h"
#include "platform/process.h"

namespace meshmill {

namespace {

constexpr const char* analyze_help =
    "Usage: meshmill-cli analyze SCENE [--json] [--rename-textures [--auto-shorten]]\n"
    "\n"
    "Analyses SCENE (.ase or .asc) as the window does with a scene given on its\n"
    "command line, answering No to the question whether to process it right away.\n"
    "error_log.txt and special_materials.txt are created beside SCENE.\n"
    "\n"
    "Every message box goes to standard error as one line \"Title: text\".\n"
    "Standard output receives the five statistics, one a line, as the window\n"
    "labels them (\"Total objects found : 300\").\n"
    "\n"
    "Options:\n"
    "  --json   write one JSON object to standard output instead: input, type,\n"
    "           loaded (true when the scene can be processed), statistics\n"
    "           {total_objects, valid_objects, asc_files, faces, vertices},\n"
    "           outcome (analysed, analysed_with_skips, refused, cancelled or\n"
    "           failed; failure then holds the reason),\n"
    "           messages [{title, style, text}] (every message box, in order),\n"
    "           error_log (its path, or null when none is left),\n"
    "           materials [{m, s, name, texture, color, opacity}] (one per\n"
    "           filled material slot; absent texts are null),\n"
    "           special_materials (its path, or null)\n";

constexpr const char* analyze_help_end =
    "  --help   show this help\n"
    "\n"
    "Exit status: 0 analysed (also with skipped objects), 1 refused, cancelled or\n"
    "failed, 2 usage error.\n";

struct AnalyzeOptions {
  std::string scene;
  bool json = false;
  TextureOptions textures;
};

// Returns false (with a message) when the arguments can't be used.
bool parse(const std::vector<std::string>& args, AnalyzeOptions& options) {
  bool have_scene = false;
  for (const auto& arg : args) {
    if (arg == "--json") {
      options.json = true;
    } else if (options.textures.take(arg)) {
      continue;
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "meshmill-cli analyze: unknown option %s\n", arg.c_str());
      return false;
    } else if (have_scene) {
      std::fprintf(stderr, "meshmill-cli analyze: only one scene, please (%s)\n", arg.c_str());
      return false;
    } else {
      options.scene = arg;
      have_scene = true;
    }
  }
  if (!have_scene) std::fputs("meshmill-cli analyze: which scene? (SCENE missing)\n", stderr);
  return have_scene;
}

}  // namespace

int run_analyze(const std::vector<std::string>& args) {
  for (const auto& arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::fputs(analyze_help, stdout);
      std::fputs(texture_options_help, stdout);
      std::fputs(analyze_help_end, stdout);
      return exit_status::done;
    }
  }
  AnalyzeOptions options;
  if (!parse(args, options)) {
    std::fputs("Try 'meshmill-cli analyze --help'.\n", stderr);
    return exit_status::usage;
  }
  CliSession cli(QuestionPolicy::answer_no);
  cli.prompt().ask_inputs_on_terminal(stdin_is_terminal());
  Session& session = cli.session();
  options.textures.apply(session.window);
  // The scene is taken like a path on the window's command line.
  CommandOutcome outcome = analyze_scene(session, options.scene);
  if (options.json) {
    JsonWriter json;
    json.begin_object();
    write_scene_report(json, cli, options.scene, outcome);
    write_material_report(json, cli);
    json.end_object();
    std::printf("%s\n", json.text().c_str());
  } else {
    print_statistics(stdout, session);
  }
  return outcome.analysed() ? exit_status::done : exit_status::refused;
}

}  // namespace meshmill
