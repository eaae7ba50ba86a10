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
#include <optional>
#include <variant>

#include "app/form_description.h"

namespace meshmill::gui {

namespace {

// Rich text, so that Qt wraps long hints instead of showing one endless line.
QString hint(const char* text) {
  return "<p>" + QString::fromUtf8(text).toHtmlEscaped() + "</p>";
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

QWidget* make_text_box(const FormEntry& entry) {
  if (entry.looks & look::multi_line) {
    auto* area = new QPlainTextEdit;
    area->setReadOnly(true);
    area->setTabChangesFocus(true);
    int rows = area->fontMetrics().lineSpacing() * 3;
    area->setMinimumHeight(rows + 2 * area->frameWidth() + 8);
    return area;
  }
  auto* line = new QLineEdit;
  line->setReadOnly(entry.looks & look::read_only);
  if (entry.looks & look::numeric) {
    line->setAlignment(Qt::AlignRight);
    line->setMinimumWidth(line->fontMetrics().horizontalAdvance(QString(10, '0')));
  }
  return line;
}

QWidget* make_widget(const FormEntry& entry, const QString& caption) {
  switch (entry.kind) {
    case ControlKind::button:
      return new QPushButton(caption);
    case ControlKind::check_box:
      return new QCheckBox(caption);
    case ControlKind::text_box:
      return make_text_box(entry);
    case ControlKind::label:
      return new QLabel(caption);
    case ControlKind::progress_bar: {
      auto* bar = new QProgressBar;
      bar->setTextVisible(false);
      return bar;
    }
    case ControlKind::separator: {
      auto* line = new QFrame;
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Sunken);
      return line;
    }
    case ControlKind::group:
      return new QGroupBox(caption);
  }
  return nullptr;
}

// Binds a widget to the WindowState member it shows, in the list of its kind.
struct Binder {
  FormControls& controls;
  QWidget* widget;
  void operator()(std::monostate) const {}
  void operator()(Button WindowState::*member) const {
    controls.buttons.emplace_back(member, static_cast<QPushButton*>(widget));
  }
  void operator()(CheckBox WindowState::*member) const {
    controls.check_boxes.emplace_back(member, static_cast<QCheckBox*>(widget));
  }
  void operator()(TextBox WindowState::*member) const {
    controls.text_boxes.emplace_back(member, widget);
  }
  void operator()(Label WindowState::*member) const {
    controls.labels.emplace_back(member, static_cast<QLabel*>(widget));
  }
  void operator()(ProgressBar WindowState::*member) const {
    controls.bars.emplace_back(member, static_cast<QProgressBar*>(widget));
  }
};

// One grid per group: a row of one control spans both columns, a row of two
// puts the first (a caption) in the narrow column and the second beside it.
class GroupGrid {
 public:
  explicit GroupGrid(QGridLayout* grid) : grid_(grid) { grid_->setColumnStretch(1, 1); }

  void add(const FormEntry& entry, QWidget* widget, bool shares_row_with_next) {
    if (entry.row != row_ || grid_row_ < 0) {
      if (entry.looks & look::pushed_down) grid_->setRowStretch(++grid_row_, 1);
      ++grid_row_;
      row_ = entry.row;
      column_ = 0;
    }
    int span = column_ == 0 && !shares_row_with_next ? 2 : 1;
    if (entry.looks & look::indented) {
      auto* indent = new QHBoxLayout;
      indent->setContentsMargins(widget->style()->pixelMetric(QStyle::PM_IndicatorWidth) * 2, 0,
                                 0, 0);
      indent->addWidget(widget);
      grid_->addLayout(indent, grid_row_, column_, 1, span);
    } else {
      grid_->addWidget(widget, grid_row_, column_, 1, span);
    }
    if (entry.looks & look::grows) grid_->setRowStretch(grid_row_, 1);
    ++column_;
  }

 private:
  QGridLayout* grid_;
  int row_ = -1;
  int grid_row_ = -1;
  int column_ = 0;
};

}  // namespace

FormControls build_form(QWidget& form, const WindowState& initial) {
  FormControls controls;
  auto* root = new QVBoxLayout(&form);
  auto* top = new QGridLayout;
  root->addLayout(top);
  auto* groups = new QHBoxLayout;
  root->addLayout(groups, 1);

  GroupGrid top_grid(top);
  std::optional<GroupGrid> group_grid;
  QLabel* last_label = nullptr;
  auto entries = form_entries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const FormEntry& entry = entries[i];
    QWidget* widget = make_widget(entry, QString::fromStdString(caption_of(entry, initial)));
    widget->setObjectName(entry.name);
    if (entry.hint) widget->setToolTip(hint(entry.hint));
    if (entry.looks & look::bold) make_bold(widget);
    std::visit(Binder{controls, widget}, entry.state);

    if (entry.kind == ControlKind::group) {
      // The settings take the larger share of the width.
      groups->addWidget(widget, entry.group == FormGroup::settings ? 3 : 2);
      group_grid.emplace(new QGridLayout(widget));
      continue;
    }
    keep_room_when_hidden(widget);
    // A caption names the text box that follows it (for screen readers).
    if (last_label && entry.kind == ControlKind::text_box) last_label->setBuddy(widget);
    last_label = entry.kind == ControlKind::label ? static_cast<QLabel*>(widget) : nullptr;

    bool shares_row = i + 1 < entries.size() && entries[i + 1].group == entry.group &&
                      entries[i + 1].row == entry.row;
    (entry.group == FormGroup::top ? top_grid : *group_grid).add(entry, widget, shares_row);
  }
  return controls;
}

}  // namespace meshmill::gui
