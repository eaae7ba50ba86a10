#include <cstdio>

#include "analysis/analysis_driver.h"
#include "app/target_choice.h"
#include "cli/cli_session.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/object_report.h"
#include "cli/scene_report.h"
#include "cli/texture_options.h"
#include "platform/ascii_case.h"
#include "platform/code_page.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "processing/processing_driver.h"
#include "processing/processing_finish.h"

namespace meshmill {

namespace {

constexpr const char* convert_help =
    "Usage: meshmill-cli convert SCENE [-o TARGET.asc] [--report FILE.html] [OPTIONS]\n"
    "\n"
    "Analyses SCENE (.ase or .asc) as 'meshmill-cli analyze' does, then processes\n"
    "it as the window's \"Start Process\": the .asc files (split at 255 objects),\n"
    "the .mat file, the placeholder pixelmaps in PIX16 beside the target, and the\n"
    "side files beside SCENE. Without -o the target is SCENE's name with the\n"
    "extension .asc, beside it; an .asc SCENE needs -o. Settings start as the\n"
    "window's first start. An .asc SCENE is re-written (split, axis flip) without\n"
    "texture flip, material file or object filter, and only when its analysis\n"
    "found no faulty object.\n"
    "\n"
    "Options:\n"
    "  -o TARGET.asc      the target (\"_01\", \"_02\", ... are added when split);\n"
    "                     its folder is created when it is missing\n"
    "  --no-split         one .asc file, whatever the number of objects\n"
    "  --no-axis-flip     keep 3D Studio's axes\n"
    "  --no-texture-flip  keep the textures' vertical direction\n"
    "  --no-mat           write no .mat file\n"
    "                     (each of these four keeps the other three settings)\n"
    "  --one-sided        no \"two sided\" flag in the materials\n"
    "  --white            white diffuse colour in every material\n"
    "  --overwrite        replace existing .asc and .mat files without a warning\n"
    "  --only NAMES       only the objects named, separated by commas (exact names)\n"
    "  --yes              answer Yes to every question (otherwise questions are asked\n"
    "                     on a terminal, and answered No without one)\n"
    "  --json             write one JSON object to standard output: the members of\n"
    "                     'analyze --json' (outcome: processed when the run ended,\n"
    "                     refused, cancelled or failed), outputs (the files\n"
    "                     written) and skipped [{name, reason}] (objects left out);\n"
    "                     with --report, objects as there, whose status is\n"
    "                     written, skipped, left-out or filtered\n"
    "  --help             show this help\n";

constexpr const char* convert_help_end =
    "\n"
    "Every message box goes to standard error as one line \"Title: text\";\n"
    "standard output lists the files written, one a line.\n"
    "\n"
    "Exit status: 0 processed (also with objects left out), 1 refused, cancelled or\n"
    "failed (the report too), 2 usage error.\n";

struct ConvertOptions {
  std::string scene;
  bool have_target = false;
  std::string target;
  bool no_split = false, no_axis_flip = false, no_texture_flip = false, no_mat = false;
  bool one_sided = false, white = false, overwrite = false, yes = false, json = false;
  std::string only;
  std::string report;  // the report page's path, "" for none
  TextureOptions textures;
};

bool ends_with_asc(const std::string& path) {
  return equal_ignoring_case(extension(path), "asc");
}

// Returns false (with a message) when the arguments can't be used.
bool parse(const std::vector<std::string>& args, ConvertOptions& o) {
  if (!parse_command_line(
          "convert", args,
          {{"--no-split", &o.no_split},
           {"--no-axis-flip", &o.no_axis_flip},
           {"--no-texture-flip", &o.no_texture_flip},
           {"--no-mat", &o.no_mat},
           {"--one-sided", &o.one_sided},
           {"--white", &o.white},
           {"--overwrite", &o.overwrite},
           {"--yes", &o.yes},
           {"--json", &o.json},
           o.textures.rename_flag(),
           o.textures.auto_shorten_flag(),
           o.textures.prepare_flag()},
          {{"-o", &o.target, &o.have_target}, {"--only", &o.only}, {"--report", &o.report}},
          o.scene)) {
    return false;
  }
  // The target named after the input would be the input itself.
  if (!o.have_target && ends_with_asc(o.scene)) {
    return usage_error("convert", "an .asc scene needs its target: -o TARGET.asc");
  }
  if (o.have_target && !o.target.empty() && !ends_with_asc(o.target)) {
    return usage_error("convert", "the target must be an .asc file: " + o.target);
  }
  return true;
}

// The settings of the window's first start, changed by the options.
RunSettings settings_of(const ConvertOptions& o) {
  RunSettings settings;
  if (o.no_split || o.no_axis_flip || o.no_texture_flip || o.no_mat) {
    settings.use_all_required = false;
    settings.split_asc = !o.no_split;
    settings.flip_axis = !o.no_axis_flip;
    settings.flip_textures = !o.no_texture_flip;
    settings.create_mat = !o.no_mat;
  }
  settings.two_sided = !o.one_sided;
  settings.white_diffuse = o.white;
  settings.overwrite_without_warning = o.overwrite;
  settings.only_objects = o.only;
  o.textures.apply(settings);
  return settings;
}

// The analysis, the target choice and the processing, as far as they go.
CommandOutcome convert(Session& session, RunSettings& settings, const ConvertOptions& o) {
  // The target's folder comes first: the analysis may rename textures, and a
  // run that then stops at its first output would leave them renamed for nothing.
  if (o.have_target && !create_target_folder(session, o.target)) return session.early_end;
  // The scene is taken like a path on the window's command line.
  CommandOutcome analysis = run_analysis(session, settings, o.scene);
  if (!analysis.analysed()) return analysis;
  if (o.have_target) {
    // As in the window: an .asc input with faulty objects has no target.
    bool processable =
        session.scene.file_type != "asc" || analysis.result != CommandResult::analysed_with_skips;
    if (!processable || !accept_target(session, o.target)) return {CommandResult::refused};
    settings.target = o.target;
  } else {
    settings.target_from_source = true;
  }
  return run_processing(session, settings);
}

void write_processing_members(JsonWriter& json, const SceneState& scene) {
  json.key("outputs");
  json.begin_array();
  for (const auto& path : scene.processed_files) json.string(path);
  json.end_array();
  json.key("skipped");
  json.begin_array();
  for (const auto& skipped : scene.skipped_objects) {
    json.begin_object();
    json.key("name");
    json.string(cp1252_to_utf8(skipped.name));
    json.key("reason");
    json.string(skipped.reason);
    json.end_object();
  }
  json.end_array();
}

}  // namespace

int run_convert(const std::vector<std::string>& args) {
  if (asks_for_help(args)) {
    print_help({convert_help, report_option_help, texture_options_help, convert_help_end});
    return exit_status::done;
  }
  ConvertOptions o;
  if (!parse(args, o)) return exit_status::usage;
  RunSettings settings = settings_of(o);
  CliSession cli(choose_question_policy(o.yes));
  cli.prompt().ask_inputs_on_terminal(stdin_is_terminal());
  // The command processes after its own target choice, not right after the analysis.
  cli.prompt().preset_answer(express_question, answer::no);
  // The program ends with the command anyway; Yes would save the window's options.
  cli.prompt().preset_answer(close_question, answer::no);
  Session& session = cli.session();
  session.record_objects = !o.report.empty();

  CommandOutcome outcome = convert(session, settings, o);
  // A refused processing is reported too, once the scene was analysed.
  if (!o.report.empty() && session.scene.file_loaded == 1) {
    write_scene_report_file(cli, settings, o.report, outcome);
  }
  if (o.json) {
    print_json_document(cli, settings, o.scene, outcome,
                        [&](JsonWriter& json) { write_processing_members(json, session.scene); });
  } else {
    for (const auto& path : session.scene.processed_files) std::printf("%s\n", path.c_str());
  }
  return outcome.result == CommandResult::processed ? exit_status::done : exit_status::refused;
}

}  // namespace meshmill
