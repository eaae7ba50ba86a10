#include "cli/scene_report.h"

#include "analysis/input_choice.h"
#include "cli/material_report.h"
#include "cli/object_report.h"
#include "cli/texture_report.h"
#include "state/fixed_names.h"

namespace meshmill {

namespace {

struct StatisticField {
  int index;
  const char* caption;
  const char* key;
};

// In the window's order.
constexpr StatisticField statistic_fields[] = {
    {stat::total_objects, "Total objects found :", "total_objects"},
    {stat::valid_objects, "Valid objects found :", "valid_objects"},
    {stat::asc_files, "Asc split files required to import in Pt2 :", "asc_files"},
    {stat::faces, "Total faces in 3d scene :", "faces"},
    {stat::vertices, "Total vertices in 3d scene :", "vertices"},
};

const char* outcome_name(CommandResult result) {
  switch (result) {
    case CommandResult::refused:
      return "refused";
    case CommandResult::cancelled:
      return "cancelled";
    case CommandResult::analysed:
      return "analysed";
    case CommandResult::analysed_with_skips:
      return "analysed_with_skips";
    case CommandResult::processed:
      return "processed";
    case CommandResult::failed:
      return "failed";
  }
  return "refused";
}

}  // namespace

void print_statistics(std::FILE* out, const Session& session) {
  for (const auto& field : statistic_fields) {
    std::fprintf(out, "%s %lld\n", field.caption,
                 static_cast<long long>(session.scene.scene_stats[field.index]));
  }
}

void write_scene_report(JsonWriter& json, CliSession& cli, const std::string& input,
                        const CommandOutcome& outcome) {
  const Session& session = cli.session();
  json.key("input");
  json.string(input);
  json.key("type");
  json.string(input_type(input));
  json.key("loaded");
  json.boolean(session.scene.file_loaded == 1);
  json.key("statistics");
  json.begin_object();
  for (const auto& field : statistic_fields) {
    json.key(field.key);
    json.number(session.scene.scene_stats[field.index]);
  }
  json.end_object();
  json.key("outcome");
  json.string(outcome_name(outcome.result));
  if (outcome.result == CommandResult::failed) {
    json.key("failure");
    json.string(outcome.failure);
  }
  json.key("messages");
  json.begin_array();
  for (const auto& message : cli.prompt().messages()) {
    json.begin_object();
    json.key("title");
    json.string(message.title);
    json.key("style");
    json.number(message.style);
    json.key("text");
    json.string(message.text);
    json.end_object();
  }
  json.end_array();
  write_side_file(json, cli, "error_log", error_log_name);
}

void print_json_document(CliSession& cli, const RunSettings& settings, const std::string& input,
                         const CommandOutcome& outcome,
                         const std::function<void(JsonWriter&)>& more) {
  JsonWriter json;
  json.begin_object();
  write_scene_report(json, cli, input, outcome);
  write_material_report(json, cli);
  write_object_records(json, cli.session());
  if (settings.prepare_textures) write_texture_report(json, cli.session().scene);
  if (more) more(json);
  json.end_object();
  std::printf("%s\n", json.text().c_str());
}

void write_side_file(JsonWriter& json, CliSession& cli, const char* key, const char* name) {
  json.key(key);
  json.string_or_null(cli.created_file_left(name));
}

}  // namespace meshmill
