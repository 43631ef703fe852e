#include "panel/practice_desk.h"

#include "calc/unit_text.h"
#include "panel/field_text.h"
#include "panel/file_choice.h"
#include "panel/practice_box.h"
#include "practice/worksheet.h"

namespace vardel::panel {
namespace {

using namespace practice_box;

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

// A worksheet page as printed lines: its title, its heading, then each item
// with what follows it (the space for an answer, or the answer's working).
std::vector<std::string> printedLines(const practice::WorksheetPage& page, bool answerSpace) {
  std::vector<std::string> lines{page.title};
  lines.insert(lines.end(), page.heading.begin(), page.heading.end());
  for (const practice::WorksheetItem& item : page.items) {
    lines.emplace_back();
    lines.push_back(item.label + " " + item.text);
    if (answerSpace) {
      lines.emplace_back();
      lines.emplace_back("    Answer: ______________");
    }
    for (const std::string& line : item.working) lines.push_back("    " + line);
  }
  return lines;
}

}  // namespace

PracticeDesk::PracticeDesk(Calculator& calculator, Paper paper, std::function<std::string()> today)
    : BoxDesk(practiceBox()), calculator_(calculator), paper_(paper), today_(std::move(today)) {}

void PracticeDesk::openBox() {
  open();
  at(kSet).text = std::to_string(offered_);
  describe();
}

bool PracticeDesk::enter() {
  if (!mode_.enter(calculator_)) return false;
  drawStrip();
  return true;
}

void PracticeDesk::leave() {
  mode_.leave(calculator_);
  strip_.clear();
}

void PracticeDesk::pressStrip(std::string_view name) {
  if (on() && name == practice_strip::kLeave) leave();
}

ResultMark PracticeDesk::mark() { return {"PRACTICE", "practice"}; }

std::string PracticeDesk::title() const {
  if (!on()) return {};
  return "Practice: set " + std::to_string(mode_.run()->set().number);
}

practice::Tolerance PracticeDesk::tolerance() const {
  return practice::toleranceInForce(!isEnglish(calculator_.state), calculator_.state.department);
}

std::optional<practice::PracticeSet> PracticeDesk::setTyped() const {
  const std::optional<std::uint32_t> number = practice::readSetNumber(trimmed(at(kSet).text));
  if (!number) return std::nullopt;
  const CalculatorState& s = calculator_.state;
  return practice::drawSet(*number, {.metric = !isEnglish(s), .department = s.department});
}

std::optional<PrintedPage> PracticeDesk::page() const {
  const std::optional<practice::PracticeSet> set = setTyped();
  if (!set) return std::nullopt;
  const practice::Worksheet sheet = practice::worksheet(*set, tolerance(), today_());
  PrintedPage page;
  page.heading = printedLines(sheet.problems, true);
  page.paper = paper_;
  page.pdf = &kWorksheetPdfFile;
  page.following = {printedLines(sheet.key, false)};
  return page;
}

void PracticeDesk::edited(std::string_view name) {
  if (name == kSet) describe();
}

std::string PracticeDesk::pressed(std::string_view name) {
  if (name != kStart) return {};
  const std::optional<std::uint32_t> number = practice::readSetNumber(trimmed(at(kSet).text));
  if (!number) return practice::checkSetNumber(trimmed(at(kSet).text));
  mode_.start(calculator_, *number, tolerance());
  offered_ = *number % practice::kLastSet + 1;
  close();
  drawStrip();
  return {};
}

void PracticeDesk::describe() {
  const std::string problem = practice::checkSetNumber(trimmed(at(kSet).text));
  for (const std::string_view key : {kStart, kPrint, kSavePdf}) at(key).enabled = problem.empty();
  if (!problem.empty()) {
    at(kAbout).text = problem;
    return;
  }
  const CalculatorState& s = calculator_.state;
  const bool metric = !isEnglish(s);
  const practice::Tolerance t = tolerance();
  using practice::Quantity;
  const auto within = [&](Quantity q) { return practice::toleranceWords(t, q, metric); };
  at(kAbout).text = joined({
      "Set " + std::string(trimmed(at(kSet).text)) +
          ": ten problems of friction loss, pump pressure, nozzle flow, nozzle reaction and "
          "application rate, in " +
          std::string(unitNames(metric).system) + ", with " +
          (s.department != nullptr ? "the department's values, " + s.department->name
                                   : std::string("the published figures")) +
          ".",
      "An answer within " + within(Quantity::Pressure) + ", " + within(Quantity::Flow) + " or " +
          within(Quantity::Force) + " of the calculator's counts as right.",
      "Key each answer on the keypad and press Enter. A calculation worked on the calculator "
      "runs as ever: press Enter once more to hand its result in.",
      "The same number gives the same problems on every device, with the same units and "
      "department values.",
  });
}

void PracticeDesk::drawStrip() {
  strip_.clear();
  if (!on()) return;
  for (const Control& row : practiceStrip().controls) {
    Shown& shown = strip_.emplace_back();
    shown.name = designName(row);
    shown.text = row.caption;
  }
  strip_.front().text = joined(mode_.run()->lines());
}

}  // namespace vardel::panel
