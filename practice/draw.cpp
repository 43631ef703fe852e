#include "practice/draw.h"

#include <array>
#include <span>
#include <string_view>
#include <utility>

#include "calc/figures.h"
#include "calc/lay_figures.h"
#include "calc/unit_text.h"
#include "practice/figure_lists.h"
#include "practice/keying.h"
#include "practice/lay_words.h"
#include "practice/set_generator.h"
#include "practice/wording.h"

namespace vardel::practice {
namespace {

using figures::LayChoice;
using figures::Nozzle;
using figures::Tip;

// The kinds of a set's ten problems, dealt in an order of the set's own.
constexpr std::array<ProblemKind, kProblemsPerSet> kDeck = {
    ProblemKind::FrictionLoss,   ProblemKind::SeveralLines, ProblemKind::EnginePressure,
    ProblemKind::EnginePressure, ProblemKind::WyedLay,      ProblemKind::TipFlow,
    ProblemKind::FogFlow,        ProblemKind::TipReaction,  ProblemKind::FogReaction,
    ProblemKind::AppRate};

// A drawn problem whose answer is ERROR is drawn again, so many times at most.
constexpr int kDraws = 8;

std::string number(int value) { return std::to_string(value); }

// What a lay problem asks: of several lines, the pump pressure is the one
// the line needing the most sets, the others gated down.
std::string_view questionOf(ProblemKind kind) {
  if (kind == ProblemKind::SeveralLines) {
    return "the pump pressure, which the line needing the most sets?";
  }
  return "the pump pressure?";
}
Entry value(std::string text) { return Entry{std::move(text)}; }
Entry hoseKey(std::int16_t hose) { return Entry{{}, hose}; }

class Drawer {
 public:
  Drawer(std::uint32_t setNumber, const PracticeSetting& setting)
      : generator_(setNumber),
        setting_(setting),
        lists_(setting.metric ? figures::kMetric : figures::kEnglish),
        units_(unitNames(setting.metric)),
        layFigures_(layFigures(setting.department, setting.metric)) {
    figuresInForce_.strEorM = setting.metric ? kMetricUnits : kEnglishUnits;
    figuresInForce_.department = setting.department;
    if (setting.department != nullptr) {
      for (const SavedLine& line : setting.department->lines) {
        if (line.metric == setting.metric) lines_.push_back(&line);
      }
      for (const Lay& lay : setting.department->lays) keepLay(lay);
    }
  }

  std::array<ProblemKind, kProblemsPerSet> deal() {
    std::array<ProblemKind, kProblemsPerSet> deck = kDeck;
    for (std::size_t i = deck.size() - 1; i > 0; --i) std::swap(deck[i], deck[below(i + 1)]);
    return deck;
  }

  Problem draw(ProblemKind kind) {
    for (int attempt = 0; attempt < kDraws; ++attempt) {
      Problem problem = drawn(kind);
      problem.answer = answerOf(problem, setting_.department);
      if (problem.answer.shown != kErrorText) return problem;
    }
    // Products of whole figures, which never end in ERROR.
    Problem problem = appRate();
    problem.answer = answerOf(problem, setting_.department);
    return problem;
  }

 private:
  // A saved lay in the units in force that the problem's words can state:
  // one discharge to a wye, or several discharges.
  void keepLay(const Lay& lay) {
    if (lay.metric != setting_.metric || !canWord(lay)) return;
    if (lay.discharges.size() > 1) {
      severalLays_.push_back(&lay);
    } else if (lay.discharges.front().appliance == Appliance::Wye) {
      wyedLays_.push_back(&lay);
    }
  }

  std::size_t below(std::size_t n) { return generator_.below(n); }
  template <typename T>
  const T& pick(std::span<const T> list) {
    return generator_.pick(list);
  }
  bool master() { return below(4) == 0; }  // one problem in four is a master stream

  Problem start(ProblemKind kind) const {
    Problem problem;
    problem.kind = kind;
    problem.metric = setting_.metric;
    return problem;
  }

  // A length of whole sections between the lay's shortest and longest.
  int length(const LayChoice& lay) {
    const int section = pick(lists_.sections);
    const int fewest = (lay.shortest + section - 1) / section;
    const int most = lay.longest / section;
    return section *
           (fewest + static_cast<int>(below(static_cast<std::size_t>(most - fewest + 1))));
  }

  double coefficient(std::int16_t hose) const {
    return hoseCoefficient(figuresInForce_, hose).value;
  }

  std::string layOf(const LayChoice& lay, int feet) const {
    return layWords(number(lay.lines), number(feet), lay.hose, setting_.metric,
                    coefficient(lay.hose));
  }

  Problem drawn(ProblemKind kind) {
    switch (kind) {
      case ProblemKind::FrictionLoss:
        return frictionLoss();
      case ProblemKind::EnginePressure:
        if (!lines_.empty() && below(2) == 0) return savedLine(*lines_[below(lines_.size())]);
        return enginePressure();
      case ProblemKind::TipFlow:
        return tip(ProblemKind::TipFlow, "the flow?");
      case ProblemKind::TipReaction:
        return tip(ProblemKind::TipReaction, "the nozzle reaction?");
      case ProblemKind::FogFlow:
        return fogFlow();
      case ProblemKind::FogReaction:
        return fogReaction();
      case ProblemKind::AppRate:
        return appRate();
      case ProblemKind::WyedLay:
        if (!wyedLays_.empty() && below(2) == 0) return savedLay(kind, wyedLays_);
        return wyedLay();
      case ProblemKind::SeveralLines:
        if (!severalLays_.empty() && below(2) == 0) return savedLay(kind, severalLays_);
        return severalLines();
    }
    return appRate();
  }

  // A fog nozzle at one of the handline fog pressures, with a flow the hose carries.
  vardel::Nozzle fogNozzle(const LayChoice& hose) {
    std::vector<int> pressures;
    for (const Nozzle& nozzle : lists_.handlineNozzles) {
      if (nozzle.kind == "fog") pressures.push_back(nozzle.pressure);
    }
    vardel::Nozzle fog;
    fog.kind = NozzleKind::Fog;
    fog.pressure = pick(std::span<const int>(pressures));
    fog.flow = pick(hose.flows);
    return fog;
  }

  Line handline(const LayChoice& lay) {
    Line line;
    line.hose = Segment{lay.hose, 1, static_cast<double>(length(lay)), {}};
    line.nozzle = fogNozzle(lay);
    return line;
  }

  Problem layProblem(ProblemKind kind, Lay lay, std::string_view question) {
    Problem p = start(kind);
    p.text = layText(lay) + ": " + std::string(question);
    p.lay = std::move(lay);
    return p;
  }

  // The lay in words, after its name where it is a saved one.
  std::string layText(const Lay& lay) const {
    std::string words = layWords(lay, layFigures_);
    if (!lay.name.empty()) return lay.name + ": " + words;
    return words;
  }

  // A supply to a wye and two branches, alike half the time.
  Problem wyedLay() {
    Lay lay;
    lay.metric = setting_.metric;
    Discharge& supply = lay.discharges.front();
    const LayChoice& hose = pick(lists_.wyeSupplies);
    supply.hose = Segment{hose.hose, 1, static_cast<double>(length(hose)), {}};
    supply.appliance = Appliance::Wye;
    const LayChoice& branches = pick(lists_.wyeBranches);
    const Line first = handline(branches);
    supply.branches = {first, below(2) == 0 ? first : handline(branches)};
    return layProblem(ProblemKind::WyedLay, std::move(lay), questionOf(ProblemKind::WyedLay));
  }

  // Two or three handlines off one pump.
  Problem severalLines() {
    Lay lay;
    lay.metric = setting_.metric;
    lay.discharges.clear();
    const std::size_t count = 2 + below(2);
    for (std::size_t i = 0; i < count; ++i) {
      const Line line = handline(pick(lists_.handlineLays));
      Discharge discharge;
      discharge.hose = line.hose;
      discharge.nozzle = line.nozzle;
      lay.discharges.push_back(discharge);
    }
    return layProblem(ProblemKind::SeveralLines, std::move(lay),
                      questionOf(ProblemKind::SeveralLines));
  }

  Problem savedLay(ProblemKind kind, const std::vector<const Lay*>& lays) {
    const Lay& lay = *lays[below(lays.size())];
    Problem p = layProblem(kind, lay, questionOf(kind));
    p.savedLine = lay.name;
    return p;
  }

  Problem frictionLoss() {
    const LayChoice& lay = pick(master() ? lists_.masterLays : lists_.handlineLays);
    const int flow = pick(lay.flows);
    const int feet = length(lay);
    Problem p = start(ProblemKind::FrictionLoss);
    p.entries = {value(number(flow)), hoseKey(lay.hose), value(number(lay.lines)),
                 value(number(feet))};
    p.text = layOf(lay, feet) + ", " + number(flow) + " " + std::string(units_.flow) +
             (lay.lines > 1 ? " in all" : "") + ": the friction loss?";
    return p;
  }

  Problem enginePressure() {
    const bool masterStream = master();
    const LayChoice& lay = pick(masterStream ? lists_.masterLays : lists_.handlineLays);
    const Nozzle& nozzle = pick(masterStream ? lists_.masterNozzles : lists_.handlineNozzles);
    const int flow = pick(lay.flows);
    const int feet = length(lay);
    const std::string floors = number(pick(std::span<const int>(figures::kFloors)));
    Problem p = start(ProblemKind::EnginePressure);
    p.entries = {value(number(nozzle.pressure)), value(number(flow)), hoseKey(lay.hose),
                 value(number(lay.lines)),       value(number(feet)), value(floors)};
    p.text = layOf(lay, feet) + ", " + number(flow) + " " + std::string(units_.flow) + " " +
             std::string(nozzle.kind) + " at " + number(nozzle.pressure) + " " +
             std::string(units_.pressure) +
             floorWords(floors, setting_.metric, perFloor(figuresInForce_).value) +
             ": the pump pressure?";
    return p;
  }

  // A lay the department keeps, as it was saved.
  Problem savedLine(const SavedLine& line) {
    Problem p = start(ProblemKind::EnginePressure);
    p.savedLine = line.name;
    p.entries = {value(line.nozzlePressure), value(line.flow),   hoseKey(line.hose),
                 value(line.lines),          value(line.length), value(line.floors)};
    p.text = line.name + ": " +
             layWords(line.lines, line.length, line.hose, setting_.metric, coefficient(line.hose)) +
             ", " + line.flow + " " + std::string(units_.flow) + " at " + line.nozzlePressure +
             " " + std::string(units_.pressure) +
             floorWords(line.floors, setting_.metric, perFloor(figuresInForce_).value) +
             ": the pump pressure?";
    return p;
  }

  Problem tip(ProblemKind kind, std::string_view question) {
    const bool masterStream = master();
    const Tip& tip = pick(masterStream ? lists_.masterTips : lists_.handlineTips);
    const int pressure = masterStream ? lists_.masterTipPressure : lists_.handlineTipPressure;
    Problem p = start(kind);
    p.entries = {value(number(pressure)), value(std::string(tip.keyed))};
    p.text = "A " + std::string(tip.words) + " at " + number(pressure) + " " +
             std::string(units_.pressure) + ": " + std::string(question);
    return p;
  }

  Problem fogFlow() {
    const bool masterStream = master();
    const int rated = pick(masterStream ? lists_.masterFlows : lists_.handlineFlows);
    const int ratedAt =
        pick(masterStream ? lists_.masterFogPressures : lists_.handlineFogPressures);
    std::vector<int> others;  // the nozzle pressures but the rated one
    for (const int pressure : lists_.nozzlePressures) {
      if (pressure != ratedAt) others.push_back(pressure);
    }
    const int at = pick(std::span<const int>(others));
    Problem p = start(ProblemKind::FogFlow);
    p.entries = {value(number(at)), value(number(rated)), value(number(ratedAt))};
    p.text = "A fog nozzle rated " + number(rated) + " " + std::string(units_.flow) + " at " +
             number(ratedAt) + " " + std::string(units_.pressure) + ", worked at " + number(at) +
             " " + std::string(units_.pressure) + ": the flow?";
    return p;
  }

  Problem fogReaction() {
    const bool masterStream = master();
    const int flow = pick(masterStream ? lists_.masterFlows : lists_.handlineFlows);
    const int at = pick(masterStream ? lists_.masterFogPressures : lists_.handlineFogPressures);
    Problem p = start(ProblemKind::FogReaction);
    p.entries = {value(number(at)), value(number(flow))};
    p.text = "A fog nozzle flowing " + number(flow) + " " + std::string(units_.flow) + " at " +
             number(at) + " " + std::string(units_.pressure) + ": the nozzle reaction?";
    return p;
  }

  Problem appRate() {
    const int longSide = pick(lists_.areaSides);
    const int wide = pick(lists_.areaSides);
    Problem p = start(ProblemKind::AppRate);
    p.entries = {value(number(longSide)), value(number(wide))};
    p.text = "An area " + number(longSide) + " " + std::string(units_.length) + " long and " +
             number(wide) + " " + std::string(units_.length) + " wide: the application rate?";
    return p;
  }

  SetGenerator generator_;
  const PracticeSetting& setting_;
  const figures::UnitLists& lists_;
  const UnitNames& units_;
  LayFigures layFigures_;
  CalculatorState figuresInForce_;
  std::vector<const SavedLine*> lines_;
  std::vector<const Lay*> wyedLays_, severalLays_;
};

}  // namespace

std::optional<std::uint32_t> readSetNumber(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  std::uint32_t number = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + static_cast<std::uint32_t>(c - '0');
  }
  if (number < kFirstSet || number > kLastSet) return std::nullopt;
  return number;
}

std::string checkSetNumber(std::string_view text) {
  if (readSetNumber(text)) return {};
  return "A set number is a whole number from " + std::to_string(kFirstSet) + " to " +
         std::to_string(kLastSet) + ".";
}

PracticeSet drawSet(std::uint32_t number, const PracticeSetting& setting) {
  PracticeSet set;
  set.number = number;
  set.metric = setting.metric;
  if (setting.department != nullptr) set.department = setting.department->name;
  Drawer drawer(number, setting);
  for (const ProblemKind kind : drawer.deal()) set.problems.push_back(drawer.draw(kind));
  return set;
}

}  // namespace vardel::practice
