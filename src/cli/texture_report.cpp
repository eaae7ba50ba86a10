#include "cli/texture_report.h"

#include "platform/code_page.h"

namespace meshmill {

void write_texture_report(JsonWriter& json, const SceneState& scene) {
  json.key("textures");
  json.begin_array();
  for (const TextureRecord& record : scene.textures) {
    json.begin_object();
    json.key("name");
    json.string(cp1252_to_utf8(record.name));
    json.key("source");
    json.string_or_null(record.source);
    json.key("tif");
    json.string_or_null(record.tif);
    json.key("tif_written");
    json.boolean(record.tif_written);
    json.key("pix");
    json.string_or_null(record.pix);
    json.key("type");
    json.count_or_null(record.pix_type);
    json.key("width");
    json.count_or_null(record.width);
    json.key("height");
    json.count_or_null(record.height);
    json.key("source_width");
    json.count_or_null(record.source_width);
    json.key("source_height");
    json.count_or_null(record.source_height);
    json.key("problem");
    json.string_or_null(record.problems());
    json.end_object();
  }
  json.end_array();
}

}  // namespace meshmill
