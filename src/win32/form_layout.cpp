#include "win32/form_layout.h"

#include <algorithm>
#include <string>

#include "platform/wide_text.h"
#include "win32/dpi.h"

namespace meshmill::win32 {

namespace {

// Spacing at 100 %, after the Windows layout guidelines.
constexpr int margin = 11;     // window edge to content
constexpr int spacing = 7;     // between the rows above the frames and the frames
constexpr int row_gap = 4;     // between rows inside a frame
constexpr int frame_inset = 10;
constexpr int indent = 20;     // the settings that Check_all locks
constexpr int check_glyph = 20;
constexpr int min_edit_width = 240;
constexpr int min_bar_width = 120;
constexpr int bar_height = 15;

SIZE text_extent(HDC dc, HFONT font, const std::wstring& text) {
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  return size;
}

// A caption as drawn: the access key's "&" takes no room.
std::wstring drawn_caption(HWND window) {
  std::wstring text = utf8_to_utf16(window_text(window));
  text.erase(std::remove(text.begin(), text.end(), L'&'), text.end());
  return text;
}

}  // namespace

SIZE FormLayout::measure_item(const FormControl& control, HDC screen) const {
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(control.window, WM_GETFONT, 0, 0));
  SIZE text = text_extent(screen, font, drawn_caption(control.window));
  int h = text_height_;
  auto px = [this](int pixels) { return scaled(pixels, dpi_); };
  unsigned looks = control.entry->looks;
  switch (control.entry->kind) {
    case ControlKind::button:
      return {text.cx + px(24), h + px(10)};
    case ControlKind::check_box:
      return {text.cx + px(check_glyph) + (looks & look::indented ? px(indent) : 0), h + px(5)};
    case ControlKind::text_box:
      if (looks & look::multi_line) return {px(min_edit_width), 4 * h + px(8)};
      if (looks & look::numeric) {
        return {text_extent(screen, font, L"0000000000").cx + px(12), h + px(8)};
      }
      return {px(min_edit_width), h + px(8)};
    case ControlKind::label:
      return {text.cx, h};
    case ControlKind::progress_bar:
      return {px(min_bar_width), px(bar_height)};
    case ControlKind::separator:
      return {0, px(row_gap) + 2};
    case ControlKind::group:
      return {text.cx + px(2 * frame_inset), h};
  }
  return {0, 0};
}

void FormLayout::measure_section(Section& section) const {
  int single = 0;
  int second = 0;
  int height = 0;
  section.caption_column = 0;
  for (Row& row : section.rows) {
    row.height = 0;
    for (const Item& item : row.items) row.height = std::max<int>(row.height, item.natural.cy);
    height += row.height;
    if (row.items.size() == 1) {
      single = std::max<int>(single, row.items[0].natural.cx);
    } else {
      section.caption_column = std::max<int>(section.caption_column, row.items[0].natural.cx);
      for (std::size_t i = 1; i < row.items.size(); ++i) {
        second = std::max<int>(second, row.items[i].natural.cx);
      }
    }
  }
  int px_gap = scaled(row_gap, dpi_);
  height += px_gap * static_cast<int>(section.rows.size() - 1);
  int width = std::max(single, second > 0 ? section.caption_column + px_gap * 2 + second : 0);
  section.content = {width, height};
  if (section.frame) {
    int inset = scaled(frame_inset, dpi_);
    width = std::max<int>(width + 2 * inset, section.frame_caption);
    height += text_height_ + inset + inset;  // the frame's caption sits on its top edge
  }
  section.natural = {width, height};
}

void FormLayout::measure(const FormControls& controls, UINT dpi) {
  dpi_ = dpi;
  HDC screen = GetDC(nullptr);
  HFONT font =
      reinterpret_cast<HFONT>(SendMessageW(controls.all().front().window, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(screen, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen, &metrics);
  SelectObject(screen, old);
  text_height_ = metrics.tmHeight;

  sections_.assign(1, Section{});
  FormGroup group = FormGroup::top;
  int row_number = -1;
  for (const FormControl& control : controls.all()) {
    const FormEntry& entry = *control.entry;
    if (entry.kind == ControlKind::group) {
      sections_.push_back(Section{&control, {}, 0, measure_item(control, screen).cx, {}, {}});
      group = entry.group;
      row_number = -1;
      continue;
    }
    Section& section = sections_.back();
    if (entry.group != group || entry.row != row_number || section.rows.empty()) {
      section.rows.emplace_back();
      row_number = entry.row;
    }
    section.rows.back().items.push_back({&control, measure_item(control, screen)});
  }
  ReleaseDC(nullptr, screen);
  for (Section& section : sections_) measure_section(section);

  int px_margin = scaled(margin, dpi_);
  int px_spacing = scaled(spacing, dpi_);
  int frames_width = 0;
  int frames_height = 0;
  for (std::size_t i = 1; i < sections_.size(); ++i) {
    frames_width += sections_[i].natural.cx + (i > 1 ? px_spacing : 0);
    frames_height = std::max<int>(frames_height, sections_[i].natural.cy);
  }
  minimum_ = {2 * px_margin + std::max<int>(sections_[0].natural.cx, frames_width),
              2 * px_margin + sections_[0].natural.cy + px_spacing + frames_height};
}

void FormLayout::place_section(HDWP& positions, const Section& section, RECT area) const {
  int px_gap = scaled(row_gap, dpi_);
  if (section.frame) {
    positions = DeferWindowPos(positions, section.frame->window, nullptr, area.left, area.top,
                               area.right - area.left, area.bottom - area.top,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    int inset = scaled(frame_inset, dpi_);
    area = {area.left + inset, area.top + text_height_ + inset, area.right - inset,
            area.bottom - inset};
  }
  // Spare height goes to a row that grows, else above a row pushed down.
  int spare = (area.bottom - area.top) - section.content.cy;
  bool has_growing = false;
  for (const Row& row : section.rows) {
    if (row.items.front().control->entry->looks & look::grows) has_growing = true;
  }
  int y = area.top;
  for (const Row& row : section.rows) {
    unsigned looks = row.items.front().control->entry->looks;
    int height = row.height;
    if (looks & look::grows) height += spare;
    if (!has_growing && (looks & look::pushed_down)) y += spare;
    int x = area.left;
    for (std::size_t i = 0; i < row.items.size(); ++i) {
      const Item& item = row.items[i];
      int left = x;
      int right = area.right;
      if (row.items.size() > 1 && i == 0) right = left + section.caption_column;
      if (item.control->entry->looks & look::indented) left += scaled(indent, dpi_);
      int item_height = (looks & look::grows) ? height : item.natural.cy;
      int top = y + (height - item_height) / 2;
      positions = DeferWindowPos(positions, item.control->window, nullptr, left, top,
                                 right - left, item_height, SWP_NOZORDER | SWP_NOACTIVATE);
      x = right + 2 * px_gap;
    }
    y += height + px_gap;
  }
}

void FormLayout::place(SIZE client) const {
  if (sections_.empty()) return;
  int px_margin = scaled(margin, dpi_);
  int px_spacing = scaled(spacing, dpi_);
  client.cx = std::max(client.cx, minimum_.cx);
  client.cy = std::max(client.cy, minimum_.cy);
  HDWP positions = BeginDeferWindowPos(64);
  const Section& top = sections_[0];
  RECT area{px_margin, px_margin, client.cx - px_margin, px_margin + top.natural.cy};
  place_section(positions, top, area);

  // The frames share the extra width: the settings, with the longer texts, three parts of five.
  int frames_top = area.bottom + px_spacing;
  int available = client.cx - 2 * px_margin - px_spacing * static_cast<int>(sections_.size() - 2);
  int natural = 0;
  for (std::size_t i = 1; i < sections_.size(); ++i) natural += sections_[i].natural.cx;
  int extra = available - natural;
  int x = px_margin;
  for (std::size_t i = 1; i < sections_.size(); ++i) {
    bool last = i + 1 == sections_.size();
    int share = last ? client.cx - px_margin - x - sections_[i].natural.cx : extra * 3 / 5;
    int width = sections_[i].natural.cx + share;
    place_section(positions, sections_[i],
                  RECT{x, frames_top, x + width, client.cy - px_margin});
    x += width + px_spacing;
  }
  EndDeferWindowPos(positions);
}

}  // namespace meshmill::win32
