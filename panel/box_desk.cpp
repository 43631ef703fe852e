#include "panel/box_desk.h"

#include <algorithm>

namespace vardel::panel {

void BoxDesk::open() {
  open_ = true;
  shown_.clear();
  for (const Control& row : design_.controls) {
    if (row.kind == Kind::Line) continue;
    Shown& shown = shown_.emplace_back();
    shown.name = designName(row);
    shown.text = row.caption;
  }
}

void BoxDesk::close() {
  if (open_) closing();
  open_ = false;
  shown_.clear();
}

Shown* BoxDesk::find(std::string_view name, int index) {
  const std::string named = designName(name, index);
  const auto it = std::find_if(shown_.begin(), shown_.end(),
                               [&named](const Shown& shown) { return shown.name == named; });
  return it == shown_.end() ? nullptr : &*it;
}

Shown& BoxDesk::at(std::string_view name, int index) {
  if (Shown* shown = find(name, index)) return *shown;
  blank_ = {};
  return blank_;
}

const Shown& BoxDesk::at(std::string_view name, int index) const {
  return const_cast<BoxDesk*>(this)->at(name, index);
}

const Control* BoxDesk::rowOf(std::string_view name) const {
  for (const Control& row : design_.controls) {
    if (designName(row) == name) return &row;
  }
  return nullptr;
}

void BoxDesk::edit(std::string_view name, std::string_view text) {
  Shown* field = find(name);
  if (field == nullptr) return;
  field->text = std::string(text);
  edited(name);
}

void BoxDesk::select(std::string_view name, int row) {
  Shown* list = find(name);
  if (list == nullptr || row < -1 || row >= static_cast<int>(list->items.size())) return;
  // A drop-down always shows a chosen row.
  if (row == -1 && rowOf(name)->dropDown) return;
  list->selected = row;
  selected(name, row);
}

std::string BoxDesk::activate(std::string_view name) {
  return find(name) != nullptr ? activated(name) : std::string();
}

std::string BoxDesk::press(std::string_view name) {
  if (!open_) return {};
  const Control* row = rowOf(name);
  if (row == nullptr || row->kind != Kind::Key) return {};
  if (row->closesBox) {
    close();
    return {};
  }
  if (!at(name).enabled) return {};
  return pressed(name);
}

}  // namespace vardel::panel
