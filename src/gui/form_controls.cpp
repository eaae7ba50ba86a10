#include "gui/form_controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace meshmill::gui {

namespace {

constexpr const char* group_hint =
    "This function it's for those that only need to use some functions of this program, and "
    "that don't want the full process to happen yet.";
constexpr const char* objects_hint =
    "Leave empty to include all valid objects in processed final project, or specify the only "
    "valid objects you want to have in the processed project.";
constexpr const char* bar_hint =
    "Note that this progress bar isn't accurate when some objects are skipped because of errors!";
constexpr const char* valid_hint =
    "Only objects with more than 0 vertices and 0 faces are considered valid.";

// Rich text, so that Qt wraps long hints instead of showing one endless line.
QString hint(const char* text) {
  return "<p>" + QString::fromUtf8(text).toHtmlEscaped() + "</p>";
}

QString qt(const std::string& text) {
  return QString::fromStdString(text);
}

// Controls that hide keep their room, so the window does not jump while a pass runs.
void keep_room_when_hidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

void make_bold(QWidget* widget) {
  QFont font = widget->font();
  font.setBold(true);
  widget->setFont(font);
}

QFrame* separator_line() {
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

class FormBuilder {
 public:
  explicit FormBuilder(const WindowState& initial) : initial_(initial) {}

  QPushButton* button(Button WindowState::*member, const char* name) {
    return bind(controls.buttons, new QPushButton(caption(member)), member, name, nullptr);
  }
  QCheckBox* check_box(CheckBox WindowState::*member, const char* name, const char* tip) {
    return bind(controls.check_boxes, new QCheckBox(caption(member)), member, name, tip);
  }
  QLineEdit* line_edit(TextBox WindowState::*member, const char* name, const char* tip,
                       bool read_only = true) {
    auto* widget = new QLineEdit;
    widget->setReadOnly(read_only);
    return bind(controls.text_boxes, widget, member, name, tip);
  }
  QPlainTextEdit* text_area(TextBox WindowState::*member, const char* name) {
    auto* widget = new QPlainTextEdit;
    widget->setReadOnly(true);
    widget->setTabChangesFocus(true);
    int rows = widget->fontMetrics().lineSpacing() * 3;
    widget->setMinimumHeight(rows + 2 * widget->frameWidth() + 8);
    return bind(controls.text_boxes, widget, member, name, nullptr);
  }
  QLabel* label(Label WindowState::*member, const char* name, const char* tip = nullptr) {
    return bind(controls.labels, new QLabel(caption(member)), member, name, tip);
  }
  QProgressBar* bar(ProgressBar WindowState::*member, const char* name) {
    auto* widget = new QProgressBar;
    widget->setTextVisible(false);
    return bind(controls.bars, widget, member, name, bar_hint);
  }

  FormControls controls;

 private:
  template <class State>
  QString caption(State WindowState::*member) const {
    return qt((initial_.*member).caption);
  }

  // Names the widget after its control, gives it its hint and binds it to its state.
  template <class State, class Stored, class Widget>
  static Widget* bind(std::vector<std::pair<State WindowState::*, Stored*>>& bindings,
                      Widget* widget, State WindowState::*member, const char* name,
                      const char* tip) {
    widget->setObjectName(name);
    if (tip) widget->setToolTip(hint(tip));
    keep_room_when_hidden(widget);
    bindings.emplace_back(member, widget);
    return widget;
  }

  const WindowState& initial_;
};

QLayout* top_rows(FormBuilder& b) {
  auto* grid = new QGridLayout;
  grid->addWidget(b.button(&WindowState::Analize_filename, "Analize_filename"), 0, 0);
  grid->addWidget(b.line_edit(&WindowState::Text_loadfile, "Text_loadfile", nullptr), 0, 1);
  grid->addWidget(b.label(&WindowState::Label_analize, "Label_analize"), 1, 0, Qt::AlignRight);
  grid->addWidget(b.bar(&WindowState::Analize_bar, "Analize_bar"), 1, 1);
  grid->setColumnStretch(1, 1);
  return grid;
}

QGroupBox* settings_group(FormBuilder& b) {
  auto* group = new QGroupBox("Settings for processed file creation");
  group->setObjectName("Settings_group");
  group->setToolTip(hint(group_hint));
  auto* column = new QVBoxLayout(group);

  QCheckBox* all = b.check_box(
      &WindowState::Check_all, "Check_all",
      "DON'T disable this if you are a beginner in using this program, or that you know what "
      "you are doing");
  make_bold(all);
  column->addWidget(all);
  // The four settings Check_all stands for sit indented under it.
  auto* locked = new QVBoxLayout;
  locked->setContentsMargins(all->style()->pixelMetric(QStyle::PM_IndicatorWidth) * 2, 0, 0, 0);
  locked->addWidget(b.check_box(&WindowState::Check_createmat, "Check_createmat",
                                "Only disable this is you really know what are you doing"));
  locked->addWidget(b.check_box(&WindowState::Check_splitasc, "Check_splitasc",
                                "Plaything2 is only able to import 255 objects in each .asc file"));
  locked->addWidget(
      b.check_box(&WindowState::Check_flip3daxis, "Check_flip3daxis",
                  "Disable this is you already did this in the original modelling program"));
  locked->addWidget(b.check_box(&WindowState::Check_vtextures, "Check_vtextures",
                                "Similar to 3d studio axis but for texture mapping, this is "
                                "absolutly required unless you already did this in the "
                                "moddeling program"));
  column->addLayout(locked);
  column->addWidget(separator_line());

  column->addWidget(b.check_box(
      &WindowState::Check1, "Check1",
      "This is HIGHLY recommended if there is pixelmap files longer than 15 characters (which "
      "makes the game crash), and if there is too many pix files like this to be renamed "
      "manually"));
  column->addWidget(b.check_box(&WindowState::Check2, "Check2", nullptr));
  column->addWidget(b.check_box(&WindowState::Check3, "Check3", nullptr));
  column->addWidget(b.check_box(&WindowState::Check4, "Check4",
                                "Check this if you REALLY know what you are doing and dont want "
                                "to receive douzens of warnings of files with the same name."));
  column->addWidget(b.check_box(&WindowState::Check5, "Check5", nullptr));
  column->addWidget(b.check_box(&WindowState::Check6, "Check6", nullptr));
  column->addWidget(separator_line());

  QLabel* objects_label = b.label(&WindowState::Label5, "Label5", objects_hint);
  QLineEdit* objects = b.line_edit(&WindowState::Text3, "Text3", objects_hint, false);
  objects_label->setBuddy(objects);
  column->addWidget(objects_label);
  column->addWidget(objects);
  column->addWidget(b.button(&WindowState::Target_filename, "Target_filename"));
  column->addWidget(b.line_edit(
      &WindowState::Text_savefile, "Text_savefile",
      "Leave this empty if you want the new project file created in the same folder of the "
      "original file"));
  column->addStretch(1);
  QPushButton* start = b.button(&WindowState::Start_process, "Start_process");
  make_bold(start);
  column->addWidget(start);
  auto* progress = new QHBoxLayout;
  progress->addWidget(b.label(&WindowState::Label_process, "Label_process"));
  progress->addWidget(b.bar(&WindowState::Process_bar, "Process_bar"), 1);
  column->addLayout(progress);
  return group;
}

QGroupBox* statistics_group(FormBuilder& b) {
  auto* group = new QGroupBox("Statistics of analized 3d scene file");
  group->setObjectName("Statistics_group");
  auto* grid = new QGridLayout(group);
  struct Row {
    const char* caption;
    const char* label_name;
    TextBox WindowState::*box;
    const char* box_name;
    const char* tip;
  };
  const Row rows[] = {
      {"Total objects found :", "Label1", &WindowState::Text_total_objects, "Text_total_objects",
       valid_hint},
      {"Valid objects found :", "Label2", &WindowState::Text_valid_objects, "Text_valid_objects",
       valid_hint},
      {"Total faces in 3d scene :", "Label6", &WindowState::Text_faces, "Text_faces", nullptr},
      {"Total vertices in 3d scene :", "Label7", &WindowState::Text_vertices, "Text_vertices",
       nullptr},
      {"Asc split files required to import in Pt2 :", "Label4", &WindowState::Text_ascsplit,
       "Text_ascsplit", nullptr},
  };
  int row = 0;
  for (const Row& r : rows) {
    auto* caption = new QLabel(r.caption);
    caption->setObjectName(r.label_name);
    QLineEdit* box = b.line_edit(r.box, r.box_name, r.tip);
    box->setAlignment(Qt::AlignRight);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(10, '0')));
    caption->setBuddy(box);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    ++row;
  }
  grid->addWidget(b.label(&WindowState::Label11, "Label11"), row++, 0, 1, 2);
  grid->addWidget(b.text_area(&WindowState::Text_comments, "Text_comments"), row, 0, 1, 2);
  grid->setRowStretch(row, 1);
  grid->addWidget(b.button(&WindowState::Clear_statistics, "Clear_statistics"), ++row, 0, 1, 2);
  grid->addWidget(b.button(&WindowState::Open_error_log, "Open_error_log"), ++row, 0, 1, 2);
  grid->addWidget(b.button(&WindowState::Open_report, "Open_report"), ++row, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  return group;
}

}  // namespace

FormControls build_form(QWidget& form, const WindowState& initial) {
  FormBuilder builder(initial);
  auto* root = new QVBoxLayout(&form);
  root->addLayout(top_rows(builder));
  auto* groups = new QHBoxLayout;
  groups->addWidget(settings_group(builder), 3);
  groups->addWidget(statistics_group(builder), 2);
  root->addLayout(groups, 1);
  return std::move(builder.controls);
}

}  // namespace meshmill::gui
