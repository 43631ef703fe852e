#include "panel/desks.h"

#include "calc/enter_sequence.h"
#include "calc/press.h"
#include "core/keyboard.h"
#include "department/file_link.h"
#include "panel/chart_box.h"
#include "panel/import_box.h"
#include "panel/lays_box.h"
#include "panel/lines_box.h"
#include "panel/link_box.h"
#include "panel/practice_box.h"
#include "panel/values_box.h"
#include "panel/window_title.h"
#include "panel/working_box.h"

namespace vardel::panel {

namespace {

// Two texts to tell, one after the other.
std::string joined(std::string first, const std::string& second) {
  if (first.empty()) return second;
  if (!second.empty()) first += "\n\n" + second;
  return first;
}

}  // namespace

Desks::Desks(Calculator& calculator, DepartmentStore* store, Paper paper,
             std::function<std::string()> today, std::function<std::string()> address)
    : calculator_(calculator),
      store_(store),
      today_(today),
      address_(std::move(address)),
      working_(calculator),
      chart_(calculator, store, paper, today),
      practice_(calculator, paper, today) {
  if (store_ != nullptr) {
    all_.push_back(&values_.emplace(*store_, calculator_));
    all_.push_back(&lines_.emplace(*store_, calculator_));
    all_.push_back(&lays_.emplace(*store_, calculator_, paper, std::move(today)));
    all_.push_back(&import_.emplace(*store_, calculator_));
    if (address_) all_.push_back(&link_.emplace());
  }
  all_.push_back(&working_);
  all_.push_back(&chart_);
  all_.push_back(&practice_);
}

std::vector<const Dialog*> Desks::designs() {
  return {&valuesBox(), &linesBox(),   &laysBox(),  &importBox(),
          &linkBox(),   &workingBox(), &chartBox(), &practiceBox()};
}

std::string Desks::news() {
  const DepartmentStore::News news = store_->takeNews();
  if (news.offered && open() == nullptr) import_->offerIssue();
  return news.told;
}

std::string Desks::start() {
  if (store_ == nullptr) return {};
  std::string problem = store_->load();
  store_->applyTo(calculator_);
  return joined(std::move(problem), news());
}

std::string Desks::reload() {
  if (store_ == nullptr) return {};
  store_->load();
  store_->applyTo(calculator_);
  return news();
}

std::string Desks::issueArrived(std::string_view text) {
  if (store_ == nullptr) return {};
  std::string problem = store_->receiveIssue(std::string(text));
  store_->applyTo(calculator_);
  return joined(std::move(problem), news());
}

std::string Desks::linkOpened(std::string_view fragment) {
  if (!import_) return {};
  const file_link::Opened opened = file_link::fileOf(fragment);
  if (!opened.file) return opened.problem;
  return fileRead(*opened.file);
}

bool Desks::enabled(Command command) const {
  switch (command) {
    case Command::Review:
      return canReview(calculator_.state);
    case Command::ShowWorking:
      return working_.canOpen();
    // Nothing to export or switch to before any value is saved.
    case Command::Export:
    case Command::PublishedValues:
      return store_ != nullptr && store_->values().has_value();
    case Command::ExportLink:
      return link_.has_value() && store_->values().has_value();
    case Command::TakeIssue:
      return store_ != nullptr && store_->canTakeIssue();
    case Command::DepartmentValues:
    case Command::SavedLines:
    case Command::Lays:
    case Command::Import:
      return store_ != nullptr;
    case Command::About:
    case Command::PumpChart:
    case Command::Practice:
      return true;
  }
  return false;
}

bool Desks::checked(Command command) const {
  return command == Command::PublishedValues && store_ != nullptr && store_->inForce() == nullptr;
}

Answer Desks::command(Command command) {
  // One box at a time: a command comes while none is open.
  if (BoxDesk* desk = open()) desk->close();
  if (store_ == nullptr && !enabled(command)) return {};
  switch (command) {
    case Command::About:
      return {.ask = Ask::About};
    case Command::Review:
      vardel::press(calculator_, Key{KeyKind::Review});
      return {};
    case Command::ShowWorking:
      working_.openBox();
      return {};
    case Command::PumpChart:
      chart_.openBox();
      return {};
    case Command::Practice:
      practice_.openBox();
      return {};
    case Command::DepartmentValues:
      values_->openBox();
      return {};
    case Command::SavedLines:
      lines_->openBox();
      return {};
    case Command::Lays:
      lays_->openBox();
      return {};
    case Command::Import:
      return {.ask = Ask::OpenFile, .file = fileOf(command)};
    case Command::Export:
      return {.ask = Ask::SaveFile, .file = fileOf(command), .text = store_->exportFile(today_())};
    case Command::ExportLink:
      if (!link_) return {};
      link_->openBox(
          address_() + "#" +
          file_link::fragmentOf(store_->exportFile(today_(), department_file::Layout::Compact)));
      return {};
    case Command::TakeIssue:
      return {import_->offerIssue()};
    case Command::PublishedValues: {
      if (!store_->values()) return {"No department values are kept on this device yet."};
      // What the user saw checked decides, whatever another window did since.
      const bool toPublished = store_->inForce() != nullptr;
      return {store_->change(calculator_, [toPublished](DepartmentValues& values) {
        values.inForce = !toPublished;
        return std::string();
      })};
    }
  }
  return {};
}

std::string Desks::fileRead(std::string_view text) {
  if (!import_) return {};
  if (BoxDesk* desk = open()) desk->close();
  return import_->import(text);
}

void Desks::press(Key key) {
  if (key.kind == KeyKind::Enter && practice_.enter()) return;
  vardel::press(calculator_, key);
}

void Desks::type(std::int16_t code) {
  const std::optional<Key> key = keyForCharacter(code);
  if (key && key->kind == KeyKind::Enter && practice_.enter()) return;
  Form_KeyPress(calculator_, code);
}

ResultMark Desks::mark() const {
  return practice_.on() ? PracticeDesk::mark() : resultMark(calculator_.state);
}

std::string Desks::title() const {
  return practice_.on() ? practice_.title() : windowTitle(calculator_.state);
}

BoxDesk* Desks::open() {
  for (BoxDesk* desk : all_) {
    if (desk->box() != nullptr) return desk;
  }
  return nullptr;
}

}  // namespace vardel::panel
