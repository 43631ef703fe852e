// Timings of a key press through the real window, under the offscreen
// platform unless another is chosen: a Qt Test click on a panel key (or a
// typed key) up to the display's new text, and up to the display repainted.
// And the pump chart box: from its menu item to the box shown and painted
// with the chart of the default lay.
//
// Each iteration first brings the calculator to the same state through the
// logic (untimed), lets the window repaint, then times only the press.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/key_script.h"
#include "core/key.h"
#include "department/department_store.h"
#include "ui/panel_window.h"

namespace vardel::bench {
namespace {

using Clock = std::chrono::steady_clock;

// Counts the paint events of one widget, to tell a repaint from none.
class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
  int paints = 0;
};

struct Window {
  Window() {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) std::abort();
    display = window.findChild<QLabel*>(QStringLiteral("text1"));
    if (display == nullptr) std::abort();
    display->installEventFilter(&counter);
  }

  // Brings the calculator to the state the script leaves, through the
  // window's actions without clicks, and lets the window catch up with its
  // repaints.
  void prepare(const std::vector<Key>& script) {
    for (const Key key : script) window.act(key);
    QCoreApplication::processEvents();
  }

  ui::frmVardel window;
  QLabel* display = nullptr;
  PaintCounter counter;
};

// Made in main, after the application object, and gone before it.
std::unique_ptr<Window> theWindowPtr;
Window& theWindow() { return *theWindowPtr; }

enum class Until { Text, Painted };
enum class How { Click, Type };

// `setup` is run before every press; `key` is clicked (or `typed` is typed)
// and `expected` must then be on the display.
void pressThroughWindow(benchmark::State& state, std::string_view setup, Key key, How how,
                        Qt::Key typed, std::string_view expected, Until until) {
  Window& w = theWindow();
  const std::vector<Key> script = keysOf(setup);
  QPushButton* button = w.window.keyButton(key);
  if (how == How::Click && (button == nullptr || !button->isEnabled())) {
    state.SkipWithError("the key has no enabled button");
    return;
  }
  const QString wanted =
      QString::fromUtf8(expected.data(), static_cast<qsizetype>(expected.size()));

  long repaints = 0;
  std::vector<double> times;
  for (auto _ : state) {
    w.prepare(script);
    const int paintsBefore = w.counter.paints;

    const Clock::time_point start = Clock::now();
    if (how == How::Click) {
      QTest::mouseClick(button, Qt::LeftButton);
    } else {
      QWidget* focus = QApplication::focusWidget();
      QTest::keyClick(focus != nullptr ? focus : &w.window, typed);
    }
    QString text = w.display->text();
    if (until == Until::Painted) QCoreApplication::processEvents();
    const Clock::time_point end = Clock::now();

    benchmark::DoNotOptimize(text);
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    if (text != wanted) {
      state.SkipWithError(
          ("display \"" + text.toStdString() + "\", expected \"" + std::string(expected) + "\"")
              .c_str());
      break;
    }
    repaints += w.counter.paints - paintsBefore;
    times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
  }
  if (times.empty()) return;
  // The median and the slowest press, beside the mean that the time column shows.
  std::sort(times.begin(), times.end());
  state.counters["median_us"] = times[times.size() / 2];
  state.counters["max_us"] = times.back();
  if (until == Until::Painted) {
    // Below 1, some presses ended before the display was painted again.
    state.counters["repaints"] = static_cast<double>(repaints) / static_cast<double>(times.size());
  }
}

constexpr Key kDigit5{KeyKind::Digit, 5};

void BM_ClickDigit(benchmark::State& state, Until until) {
  pressThroughWindow(state, "AC 1 2", kDigit5, How::Click, Qt::Key_5, " 125", until);
}
BENCHMARK_CAPTURE(BM_ClickDigit, to_text, Until::Text)->UseManualTime()->MinTime(0.5);
BENCHMARK_CAPTURE(BM_ClickDigit, to_painted, Until::Painted)->UseManualTime()->MinTime(0.5);

void BM_ClickEnter(benchmark::State& state, Until until) {
  pressThroughWindow(state, "AC EP 1 0 0", Key{KeyKind::Enter}, How::Click, Qt::Key_Enter,
                     "FLOW GPM", until);
}
BENCHMARK_CAPTURE(BM_ClickEnter, value_step_to_text, Until::Text)->UseManualTime()->MinTime(0.5);
BENCHMARK_CAPTURE(BM_ClickEnter, value_step_to_painted, Until::Painted)
    ->UseManualTime()
    ->MinTime(0.5);

void BM_ClickFunctionKey(benchmark::State& state, Until until) {
  pressThroughWindow(state, "AC", Key{KeyKind::EnginePressure}, How::Click, Qt::Key_unknown,
                     "Nozzle PSI", until);
}
BENCHMARK_CAPTURE(BM_ClickFunctionKey, engine_pressure_to_painted, Until::Painted)
    ->UseManualTime()
    ->MinTime(0.5);

// The keyboard's digit: through the window's key preview.
void BM_TypeDigit(benchmark::State& state, Until until) {
  pressThroughWindow(state, "AC 1 2", kDigit5, How::Type, Qt::Key_5, " 125", until);
}
BENCHMARK_CAPTURE(BM_TypeDigit, to_painted, Until::Painted)->UseManualTime()->MinTime(0.5);

// The department file in memory, for a window with the Department menu.
struct MemoryStorage : DepartmentStorage {
  std::optional<std::string> load(std::string*) override { return std::nullopt; }
  bool replace(const std::string&, std::string*) override { return true; }
};

void BM_OpenPumpChart(benchmark::State& state) {
  MemoryStorage storage;
  DepartmentStore store(storage);
  ui::frmVardel window(&store);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) std::abort();
  QAction* item = window.findChild<QAction*>(QStringLiteral("mnuPumpChart"));
  std::vector<double> times;
  for (auto _ : state) {
    Clock::time_point shown;
    // Runs in the box's own event loop, once it shows: its first paint,
    // then closed (untimed).
    QTimer::singleShot(0, &window, [&shown] {
      QWidget* box = QApplication::activeModalWidget();
      QCoreApplication::processEvents();
      shown = Clock::now();
      if (box != nullptr) box->close();
    });
    const Clock::time_point start = Clock::now();
    item->trigger();
    state.SetIterationTime(std::chrono::duration<double>(shown - start).count());
    times.push_back(std::chrono::duration<double, std::milli>(shown - start).count());
  }
  std::sort(times.begin(), times.end());
  state.counters["median_ms"] = times[times.size() / 2];
  state.counters["max_ms"] = times.back();
}
BENCHMARK(BM_OpenPumpChart)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(0.5);

}  // namespace
}  // namespace vardel::bench

int main(int argc, char** argv) {
  // No screen is needed unless a platform is chosen.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  vardel::bench::theWindowPtr = std::make_unique<vardel::bench::Window>();
  benchmark::RunSpecifiedBenchmarks();
  vardel::bench::theWindowPtr.reset();
  benchmark::Shutdown();
  return 0;
}
