#include "app/window_progress_view.h"

#include <string>

#include "state/scene_state.h"
#include "state/window_rules.h"

namespace meshmill {

ProgressBar& WindowProgressView::bar(Pass pass) {
  return pass == Pass::analysis ? window_.Analize_bar : window_.Process_bar;
}

void WindowProgressView::busy(bool on) {
  window_.pointer = on ? MousePointer::busy : MousePointer::normal;
}

void WindowProgressView::progress_shown(Pass pass, std::int64_t last) {
  window_.Label_analize.visible = true;
  bar(pass).set_range(1, last);
  bar(pass).visible = true;
}

void WindowProgressView::progress(Pass pass, std::int64_t line) {
  bar(pass).set_value(line);
}

void WindowProgressView::progress_hidden(Pass pass) {
  window_.Label_analize.visible = false;
  bar(pass).visible = false;
}

void WindowProgressView::statistic_shown(int index, std::int64_t value) {
  TextBox* boxes[] = {nullptr,
                      &window_.Text_total_objects,
                      &window_.Text_valid_objects,
                      &window_.Text_ascsplit,
                      &window_.Text_faces,
                      &window_.Text_vertices};
  if (index >= stat::total_objects && index <= stat::vertices) {
    boxes[index]->text = std::to_string(value);
  }
}

void WindowProgressView::object_skipped() {
  window_.Text_comments.text =
      "Objects with problems found and skipped, check error log for more details when analyzing "
      "is finished.";
  window_.Open_error_log.enabled = true;
}

void WindowProgressView::input_shown(const std::string& path) {
  window_.Text_loadfile.text = path;
}

void WindowProgressView::analysis_begun(const std::string& file_type) {
  if (file_type == "asc") target_needed();
  window_.Text_comments.enabled = false;
  window_.Check_createmat.enabled = false;
  window_.Check_vtextures.enabled = false;
}

void WindowProgressView::scene_loaded(bool problems, bool processable) {
  window_.Open_error_log.enabled = problems;
  window_.Target_filename.enabled = processable;
  window_.Clear_statistics.enabled = true;
  window_.Open_report.enabled = true;
  window_.Restore_textures.enabled = true;
}

void WindowProgressView::scene_unloaded() {
  window_.pointer = MousePointer::normal;
  window_.Label11.caption = "Comments : ";
  window_.Label_analize.visible = false;
  for (TextBox* box : {&window_.Text_total_objects, &window_.Text_valid_objects,
                       &window_.Text_faces, &window_.Text_vertices, &window_.Text_ascsplit,
                       &window_.Text_loadfile, &window_.Text_savefile, &window_.Text_comments}) {
    box->text.clear();
  }
  window_.Open_error_log.enabled = false;
  window_.Clear_statistics.enabled = false;
  window_.Open_report.enabled = false;
  window_.Restore_textures.enabled = false;
}

void WindowProgressView::target_needed() {
  // Unticking the box shows the target controls again, as its click does.
  window_.Check3.value = 0;
  apply_check3(window_);
}

void WindowProgressView::processing_begun() {
  window_.Open_error_log.enabled = false;
}

}  // namespace meshmill
