// Timings of the calculator's logic without a window: single key actions,
// whole calculations from the function key to the result, and the number
// texts. Run with --benchmark_filter=... to pick some.
//
// Every iteration does the same work: single keys start from a snapshot of
// the calculator taken just before the key (the copy is timed too; "restore
// only" shows what it costs), whole calculations start with ALL CLEAR (timed
// too; "AllClear" shows what it costs).
#include <benchmark/benchmark.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/key_script.h"
#include "calc/lay_working.h"
#include "calc/press.h"
#include "core/calculator.h"
#include "core/key.h"
#include "core/number_text.h"
#include "core/panel.h"
#include "core/power_keys.h"
#include "department/pump_chart.h"
#include "support/lay_builder.h"

namespace vardel::bench {
namespace {

// A panel that shows nothing, so the figures are those of the logic alone.
class NullPanel final : public Panel {
 public:
  void focusEnter() override {}
  void showMessage(const std::string&, const std::string&) override {}
  void closeWindow() override {}
};

// A calculator fresh from start-up.
struct Bench {
  Bench() { Form_Load(calculator); }
  void run(std::string_view script) {
    for (const Key key : keysOf(script)) press(calculator, key);
  }

  NullPanel panel;
  Calculator calculator{panel};
};

std::string mismatch(std::string_view display, std::string_view expected) {
  std::string text = "display \"";
  text.append(display).append("\", expected \"").append(expected).append("\"");
  return text;
}

// One key, pressed on the calculator as the keys of `before` left it. The
// display after the key is checked once, so a figure never comes from a key
// that went wrong.
void oneKey(benchmark::State& state, std::string_view before, Key key, std::string_view after) {
  Bench bench;
  bench.run(before);
  const CalculatorState snapshot = bench.calculator.state;

  press(bench.calculator, key);
  if (bench.calculator.display() != after) {
    state.SkipWithError(mismatch(bench.calculator.display(), after).c_str());
    return;
  }
  for (auto _ : state) {
    bench.calculator.state = snapshot;
    press(bench.calculator, key);
    benchmark::DoNotOptimize(bench.calculator.state);
  }
}

void BM_RestoreOnly(benchmark::State& state) {
  Bench bench;
  bench.run("12");
  const CalculatorState snapshot = bench.calculator.state;
  for (auto _ : state) {
    bench.calculator.state = snapshot;
    benchmark::DoNotOptimize(bench.calculator.state);
  }
}
BENCHMARK(BM_RestoreOnly);

void BM_Key(benchmark::State& state, std::string_view before, Key key, std::string_view after) {
  oneKey(state, before, key, after);
}
BENCHMARK_CAPTURE(BM_Key, Digit_first, "AC", Key{KeyKind::Digit, 7}, " 7");
BENCHMARK_CAPTURE(BM_Key, Digit_third, "12", Key{KeyKind::Digit, 3}, " 123");
BENCHMARK_CAPTURE(BM_Key, Point, "12", Key{KeyKind::Digit, kPointIndex}, " 12.");
BENCHMARK_CAPTURE(BM_Key, Operator_plus, "12", keyOf(Operator::Plus), " 12");
BENCHMARK_CAPTURE(BM_Key, Operator_equals, "12 + 30", keyOf(Operator::Equals), " 42");
BENCHMARK_CAPTURE(BM_Key, Enter_value_step, "EP 100", Key{KeyKind::Enter}, "FLOW GPM");
BENCHMARK_CAPTURE(BM_Key, Hose, "EP 100 ENTER 150 ENTER", keysOf("H1.75").front(), "1.75");
BENCHMARK_CAPTURE(BM_Key, AllClear, "EP 100 ENTER 150", Key{KeyKind::AllClear}, "VORNA");

// A whole calculation: ALL CLEAR, the function key, every value and Enter,
// up to the result, which is checked once before timing.
void BM_Calculation(benchmark::State& state, std::string_view keys, std::string_view result) {
  Bench bench;
  const std::vector<Key> script = keysOf(std::string("AC ") + std::string(keys));
  for (const Key key : script) press(bench.calculator, key);
  if (bench.calculator.display() != result) {
    state.SkipWithError(mismatch(bench.calculator.display(), result).c_str());
    return;
  }
  for (auto _ : state) {
    for (const Key key : script) press(bench.calculator, key);
    benchmark::DoNotOptimize(bench.calculator.state);
  }
  state.counters["keys"] = static_cast<double>(script.size());
}
BENCHMARK_CAPTURE(BM_Calculation, StraightTipFR, "FRST 50 ENTER 1.125 ENTER", "GPM 266");
BENCHMARK_CAPTURE(BM_Calculation, FogNozzleFR, "FRFOG 50 ENTER 150 ENTER 100 ENTER", "GPM 106");
BENCHMARK_CAPTURE(BM_Calculation, StraightTipRF, "RFST 50 ENTER 1.125 ENTER", "Lbs 99");
BENCHMARK_CAPTURE(BM_Calculation, FogNozzleRF, "RFFOG 100 ENTER 150 ENTER", "Lbs 76");
BENCHMARK_CAPTURE(BM_Calculation, ApplicRate, "AR 30 ENTER 50 ENTER", "GPM 500");
BENCHMARK_CAPTURE(BM_Calculation, FrictionLoss, "FL 150 ENTER H1.75 ENTER ENTER 200 ENTER",
                  "PSI 70");
BENCHMARK_CAPTURE(BM_Calculation, EnginePressure,
                  "EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 3 ENTER", "PSI 183");

// The number texts, on values of the kinds the display shows: a result, a
// fraction, a long keyed number and one written in exponent form.
constexpr std::array kValues = {183.0, 0.25, 123456.789012345, 1.5e-5};

template <std::string (*Format)(double)>
void BM_Format(benchmark::State& state) {
  const double value = kValues[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) {
    double v = value;
    benchmark::DoNotOptimize(v);
    std::string text = Format(v);
    benchmark::DoNotOptimize(text);
  }
  state.SetLabel(Format(value));
}
BENCHMARK(BM_Format<formatSigned>)->Name("BM_formatSigned")->DenseRange(0, kValues.size() - 1);
BENCHMARK(BM_Format<formatPlain>)->Name("BM_formatPlain")->DenseRange(0, kValues.size() - 1);

constexpr std::array<std::string_view, 4> kTexts = {" 183", "-.25", " 123456.789012345", "PSI 170"};

template <std::optional<double> (*Read)(std::string_view)>
void BM_Read(benchmark::State& state) {
  const std::string_view text = kTexts[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) {
    std::string_view t = text;
    benchmark::DoNotOptimize(t);
    std::optional<double> value = Read(t);
    benchmark::DoNotOptimize(value);
  }
  const std::optional<double> value = Read(text);
  std::string label = "\"";
  label.append(text).append("\" -> ").append(value ? formatPlain(*value) : "refused");
  state.SetLabel(label);
}
BENCHMARK(BM_Read<readLenient>)->Name("BM_readLenient")->DenseRange(0, kTexts.size() - 1);
BENCHMARK(BM_Read<readStrict>)->Name("BM_readStrict")->DenseRange(0, kTexts.size() - 1);

// A pump chart of 20 flows by 20 lengths: 400 engine pressures, each keyed
// on a calculator of its own; a frame of the screen is 16 ms.
void BM_PumpChart20x20(benchmark::State& state) {
  PumpChartLay lay{"", false, "100", 4, "1", "0", {}, {}};
  for (int i = 0; i < 20; ++i) {
    lay.flows.push_back(std::to_string(95 + 10 * i));
    lay.lengths.push_back(std::to_string(50 + 25 * i));
  }
  for (auto _ : state) benchmark::DoNotOptimize(pumpChart(lay, nullptr, "2026-12-08"));
}
BENCHMARK(BM_PumpChart20x20)->Unit(benchmark::kMillisecond);

// The largest lay: six discharges, each a siamesed supply rising to a wye
// with three branches, smooth-bore tips and fog nozzles, against a rated pump.
Lay largestLay() {
  using namespace vardel::testing;
  Lay l = lay(false, {});
  for (int i = 0; i < 6; ++i) {
    const Segment supply = hose(kInch250, 300, 2, floors(1 + i));
    l.discharges.push_back(appliance(
        Appliance::Wye, supply,
        {fog(hose(kInch175, 150 + 25 * i), 150, 100),
         tip(hose(kInch175, 100, 1, height(10)), 0.875, 50), fog(hose(5, 200), 95 + 5 * i, 75)}));
  }
  return l;
}

void BM_LayResult_Largest(benchmark::State& state) {
  const Lay l = largestLay();
  const DepartmentValues rated = testing::ratedPump(1500, 30);
  const LayFigures figures = layFigures(&rated, false);
  if (const std::string problem = layResult(l, figures).problem; !problem.empty()) {
    state.SkipWithError(problem.c_str());
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(layResult(l, figures));
}
BENCHMARK(BM_LayResult_Largest)->Unit(benchmark::kMicrosecond);

// The same lay with its figures gathered and its working written, as F3 does.
void BM_LayWorking_Largest(benchmark::State& state) {
  const Lay l = largestLay();
  const DepartmentValues rated = testing::ratedPump(1500, 30);
  for (auto _ : state) {
    const LayFigures figures = layFigures(&rated, false);
    benchmark::DoNotOptimize(layWorking(l, figures, layResult(l, figures)));
  }
}
BENCHMARK(BM_LayWorking_Largest)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vardel::bench

BENCHMARK_MAIN();
