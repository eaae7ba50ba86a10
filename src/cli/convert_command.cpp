#include <cstdio>
#include <cstring>

#include "analysis/analysis_driver.h"
#include "app/scene_commands.h"
#include "app/target_choice.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/material_report.h"
#include "cli/scene_report.h"
#include "cli/texture_options.h"
#include "format/keywords.h"
#include "platform/code_page.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "processing/processing_driver.h"
#include "processing/processing_finish.h"

namespace meshmill {

namespace {

constexpr const char* convert_help =
    "Usage: meshmill-cli convert SCENE [-o TARGET.asc] [OPTIONS]\n"
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
    "                     written) and skipped [{name, reason}] (objects left out)\n"
    "  --help             show this help\n";

constexpr const char* convert_help_end =
    "\n"
    "Every message box goes to standard error as one line \"Title: text\";\n"
    "standard output lists the files written, one a line.\n"
    "\n"
    "Exit status: 0 processed (also with objects left out), 1 refused, cancelled or\n"
    "failed, 2 usage error.\n";

struct ConvertOptions {
  std::string scene;
  bool have_target = false;
  std::string target;
  bool no_split = false, no_axis_flip = false, no_texture_flip = false, no_mat = false;
  bool one_sided = false, white = false, overwrite = false, yes = false, json = false;
  std::string only;
  TextureOptions textures;
};

bool fail(const char* text, const std::string& detail = std::string()) {
  std::fprintf(stderr, "meshmill-cli convert: %s%s\n", text, detail.c_str());
  return false;
}

bool ends_with_asc(const std::string& path) {
  std::string ext = extension(path);
  return ext.size() == 3 && (ext[0] | 32) == 'a' && (ext[1] | 32) == 's' && (ext[2] | 32) == 'c';
}

// Returns false (with a message) when the arguments can't be used.
bool parse(const std::vector<std::string>& args, ConvertOptions& o) {
  struct Flag {
    const char* name;
    bool ConvertOptions::*member;
  };
  static constexpr Flag flags[] = {
      {"--no-split", &ConvertOptions::no_split},
      {"--no-axis-flip", &ConvertOptions::no_axis_flip},
      {"--no-texture-flip", &ConvertOptions::no_texture_flip},
      {"--no-mat", &ConvertOptions::no_mat},
      {"--one-sided", &ConvertOptions::one_sided},
      {"--white", &ConvertOptions::white},
      {"--overwrite", &ConvertOptions::overwrite},
      {"--yes", &ConvertOptions::yes},
      {"--json", &ConvertOptions::json},
  };
  bool have_scene = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    bool is_flag = false;
    for (const auto& flag : flags) {
      if (arg == flag.name) {
        o.*flag.member = true;
        is_flag = true;
      }
    }
    if (is_flag || o.textures.take(arg)) continue;
    if (arg == "-o" || arg == "--only") {
      if (i + 1 == args.size()) return fail("a value is missing after ", arg);
      (arg == "-o" ? o.target : o.only) = args[++i];
      if (arg == "-o") o.have_target = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return fail("unknown option ", arg);
    } else if (have_scene) {
      return fail("only one scene, please: ", arg);
    } else {
      o.scene = arg;
      have_scene = true;
    }
  }
  if (!have_scene) return fail("which scene? (SCENE missing)");
  // The target named after the input would be the input itself.
  if (!o.have_target && ends_with_asc(o.scene)) {
    return fail("an .asc scene needs its target: -o TARGET.asc");
  }
  if (o.have_target && !o.target.empty() && !ends_with_asc(o.target)) {
    return fail("the target must be an .asc file: ", o.target);
  }
  return true;
}

// The boxes as the window shows them at its first start, changed by the options.
void apply_settings(const ConvertOptions& o, WindowState& w) {
  if (o.no_split || o.no_axis_flip || o.no_texture_flip || o.no_mat) {
    w.Check_all.value = 0;
    w.Check_splitasc.value = !o.no_split;
    w.Check_flip3daxis.value = !o.no_axis_flip;
    w.Check_vtextures.value = !o.no_texture_flip;
    w.Check_createmat.value = !o.no_mat;
  }
  if (o.one_sided) w.Check2.value = 0;
  if (o.white) w.Check6.value = 1;
  if (o.overwrite) w.Check4.value = 1;
  w.Text3.text = o.only;
  o.textures.apply(w);
}

// The analysis, the target choice and the processing, as far as they go.
CommandOutcome convert(Session& session, const ConvertOptions& o) {
  // The target's folder comes first: the analysis may rename textures, and a
  // run that then stops at its first output would leave them renamed for nothing.
  if (o.have_target && !create_target_folder(session, o.target)) return session.early_end;
  // The scene is taken like a path on the window's command line.
  CommandOutcome analysis = analyze_scene(session, o.scene);
  if (!analysis.analysed()) return analysis;
  if (o.have_target) {
    // As in the window: no target for an .asc input with faulty objects.
    if (!session.window.Target_filename.enabled || !accept_target(session, o.target)) {
      return {CommandResult::refused};
    }
  } else {
    session.window.Check3.value = 1;
  }
  return start_process(session);
}

void write_json(CliSession& cli, const ConvertOptions& o, const CommandOutcome& outcome) {
  const SceneState& scene = cli.session().scene;
  JsonWriter json;
  json.begin_object();
  write_scene_report(json, cli, o.scene, outcome);
  write_material_report(json, cli);
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
  json.end_object();
  std::printf("%s\n", json.text().c_str());
}

}  // namespace

int run_convert(const std::vector<std::string>& args) {
  for (const auto& arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::fputs(convert_help, stdout);
      std::fputs(texture_options_help, stdout);
      std::fputs(convert_help_end, stdout);
      return exit_status::done;
    }
  }
  ConvertOptions options;
  if (!parse(args, options)) {
    std::fputs("Try 'meshmill-cli convert --help'.\n", stderr);
    return exit_status::usage;
  }
  CliSession cli(choose_question_policy(options.yes));
  cli.prompt().ask_inputs_on_terminal(stdin_is_terminal());
  // The command processes after its own target choice, not right after the analysis.
  cli.prompt().preset_answer(express_question, answer::no);
  // The program ends with the command anyway; Yes would save the window's options.
  cli.prompt().preset_answer(close_question, answer::no);
  Session& session = cli.session();
  apply_settings(options, session.window);

  CommandOutcome outcome = convert(session, options);
  if (options.json) {
    write_json(cli, options, outcome);
  } else {
    for (const auto& path : session.scene.processed_files) std::printf("%s\n", path.c_str());
  }
  return outcome.result == CommandResult::processed ? exit_status::done : exit_status::refused;
}

}  // namespace meshmill
