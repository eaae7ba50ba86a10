#include <cstdio>

#include "analysis/analysis_driver.h"
#include "cli/cli_session.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/object_report.h"
#include "cli/scene_report.h"
#include "cli/texture_options.h"
#include "platform/process.h"

namespace meshmill {

namespace {

constexpr const char* analyze_help =
    "Usage: meshmill-cli analyze SCENE [--json] [--report FILE.html]\n"
    "                            [--rename-textures [--auto-shorten]]\n"
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
    "           special_materials (its path, or null); with --report also\n"
    "           objects [{name, line, status, reason, file, faces, vertices,\n"
    "           bbox}] (one per object: status valid or skipped, reason its\n"
    "           error-log line or null, file the .asc it would go into or null,\n"
    "           bbox [min x, y, z, max x, y, z] or null)\n";

constexpr const char* analyze_help_end =
    "  --help   show this help\n"
    "\n"
    "Exit status: 0 analysed (also with skipped objects), 1 refused, cancelled or\n"
    "failed (the report too), 2 usage error.\n";

struct AnalyzeOptions {
  std::string scene;
  bool json = false;
  std::string report;  // the report page's path, "" for none
  TextureOptions textures;
};

}  // namespace

int run_analyze(const std::vector<std::string>& args) {
  if (asks_for_help(args)) {
    print_help({analyze_help, report_option_help, texture_options_help, analyze_help_end});
    return exit_status::done;
  }
  AnalyzeOptions o;
  if (!parse_command_line("analyze", args,
                          {{"--json", &o.json},
                           o.textures.rename_flag(),
                           o.textures.auto_shorten_flag(),
                           o.textures.prepare_flag()},
                          {{"--report", &o.report}}, o.scene)) {
    return exit_status::usage;
  }
  RunSettings settings;
  o.textures.apply(settings);
  CliSession cli(QuestionPolicy::answer_no);
  cli.prompt().ask_inputs_on_terminal(stdin_is_terminal());
  const bool report = !o.report.empty();
  cli.session().record_objects = report;
  // The scene is taken like a path on the window's command line.
  CommandOutcome outcome = run_analysis(cli.session(), settings, o.scene);
  if (report && outcome.analysed()) write_scene_report_file(cli, settings, o.report, outcome);
  if (o.json) {
    print_json_document(cli, settings, o.scene, outcome);
  } else {
    print_statistics(stdout, cli.session());
  }
  return outcome.analysed() ? exit_status::done : exit_status::refused;
}

}  // namespace meshmill
