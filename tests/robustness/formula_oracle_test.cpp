// The seven formulas checked against a second, independent reckoning: each
// calculation is keyed in full over a grid of inputs (ordinary, tiny, huge,
// negative, zero, exact halves) in both unit systems, and its display is
// compared with the formula worked out here from the keyed texts, with this
// file's own rounding and its own way of writing the number. Nothing here
// calls the program's formulas, its rounding or its number formats.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/press.h"
#include "core/calculator.h"
#include "core/power_keys.h"
#include "robustness/reckoning.h"
#include "support/design_hoses.h"
#include "support/fake_panel.h"
#include "support/key_names.h"

namespace vardel::oracle {
namespace {

using testing::DesignHose;
using namespace reckoning;

// --- The reckoning -----------------------------------------------------------

// A keyed number as a value: the text read by the C library, a leading "-"
// standing for the sign key, which shows the number to 15 significant digits.
double valueOf(const std::string& text) {
  if (text.empty()) return 0;  // nothing keyed over a SIAMESE or FLOORS prompt
  if (text[0] != '-') return std::strtod(text.c_str(), nullptr);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", std::strtod(text.c_str() + 1, nullptr));
  return -std::strtod(buffer, nullptr);
}

// --- Keying ------------------------------------------------------------------

struct Keyed {
  explicit Keyed(bool metric) {
    Form_Load(calculator);
    if (metric) press(calculator, Key{KeyKind::EnglishMetric});
  }
  // Once "ERROR" shows the user stops: later keys would only key numbers.
  void key(KeyKind kind, std::int16_t index = 0) {
    if (display() == "ERROR") return;
    press(calculator, Key{kind, index});
  }
  // The text's digits and point, then the sign key for a leading "-".
  void number(const std::string& text) {
    const bool negative = !text.empty() && text[0] == '-';
    for (const char c : negative ? text.substr(1) : text) {
      key(KeyKind::Digit, c == '.' ? kPointIndex : static_cast<std::int16_t>(c - '0'));
    }
    if (negative) key(KeyKind::PosNeg);
  }
  void hose(const DesignHose& hose) {
    const std::optional<std::vector<Key>> keys = testing::keysOfWord(testing::scriptWord(hose));
    ASSERT_TRUE(keys) << hose.keyName;
    for (const Key k : *keys) key(k.kind, k.index);
  }
  void enter(const std::string& text) {
    number(text);
    key(KeyKind::Enter);
  }
  const std::string& display() const { return calculator.state.text1; }

  testing::FakePanel panel;
  Calculator calculator{panel};
};

// A value step refuses a lone keyed zero, which shows as " 0".
bool refused(const std::string& text) { return text == "0"; }

std::string big(int zeros) { return "1" + std::string(static_cast<std::size_t>(zeros), '0'); }
std::string tiny(int places) {
  return "0." + std::string(static_cast<std::size_t>(places - 1), '0') + "1";
}

// What a grid run saw, so that each grid is known to reach its hard cases.
struct Seen {
  int runs = 0;
  int errors = 0;
  int exponents = 0;
  void note(const std::string& display) {
    ++runs;
    errors += display == "ERROR";
    exponents += display.find('E', 1) != std::string::npos && display != "ERROR";
  }
  // Failures, exponent-form results and, above all, ordinary results.
  void expectVariety() const {
    EXPECT_GT(errors, 0);
    EXPECT_GT(exponents, 0);
    EXPECT_GT(runs - errors - exponents, runs / 5) << runs << " runs, " << errors << " errors";
    std::printf("%d runs: %d ERROR, %d in exponent form\n", runs, errors, exponents);
  }
};

const std::vector<std::string> kPressures = {
    "50", "100", "0.25", "7", "0", "0.0", "-50", "123456.789", big(300), tiny(300), big(330)};
const bool kUnitSystems[] = {false, true};

// --- The formulas ------------------------------------------------------------

TEST(FormulaOracle, StraightTipFlowAndReaction) {
  const std::vector<std::string> diameters = {"1.125", "1", "28",     "0.5",   "-2",     "0",
                                              "0.0",   "3", big(100), big(10), tiny(200)};
  Seen seen;
  for (const bool metric : kUnitSystems) {
    for (const std::string& p : kPressures) {
      for (const std::string& d : diameters) {
        for (const bool reaction : {false, true}) {
          Keyed k(metric);
          k.key(reaction ? KeyKind::StraightTipRF : KeyKind::StraightTipFR);
          k.enter(p);
          k.enter(d);
          std::optional<double> result;
          if (!refused(p) && !refused(d)) {
            const double P = valueOf(p), D = valueOf(d);
            if (std::isfinite(P) && std::isfinite(D)) {
              result = reaction ? D * D * kTipReaction.in(metric)*P
                                : D * D * kTipFlow.in(metric)*std::sqrt(P);
            }
          }
          const std::string word =
              reaction ? (metric ? "Newtons " : "Lbs ") : (metric ? "LPM " : "GPM ");
          EXPECT_EQ(k.display(), expected(word, result))
              << (reaction ? "reaction" : "flow") << " P " << p << " d " << d << " metric "
              << metric;
          seen.note(k.display());
        }
      }
    }
  }
  seen.expectVariety();
}

TEST(FormulaOracle, FogNozzleFlow) {
  // Rated flows that give exact halves at a rated and used pressure of 1.
  const std::vector<std::string> flows = {"150",  "95", "106.5", "107.5",  "-0.5",
                                          "-150", "0",  "0.0",   big(300), tiny(300)};
  const std::vector<std::string> rated = {"100",  "1",  "0.0",    "0",
                                          "-100", "49", big(300), tiny(300)};
  Seen seen;
  for (const bool metric : kUnitSystems) {
    for (const std::string& p : kPressures) {
      for (const std::string& q : flows) {
        for (const std::string& pr : rated) {
          Keyed k(metric);
          k.key(KeyKind::FogNozzleFR);
          k.enter(p);
          k.enter(q);
          k.enter(pr);
          std::optional<double> result;
          if (!refused(p) && !refused(q) && !refused(pr)) {
            const double P = valueOf(p), Q = valueOf(q), R = valueOf(pr);
            // A rated pressure of zero would divide by zero.
            if (std::isfinite(P) && std::isfinite(Q) && std::isfinite(R) && std::sqrt(R) != 0) {
              result = Q / std::sqrt(R) * std::sqrt(P);
            }
          }
          EXPECT_EQ(k.display(), expected(metric ? "LPM " : "GPM ", result))
              << "P " << p << " Qr " << q << " Pr " << pr << " metric " << metric;
          seen.note(k.display());
        }
      }
    }
  }
  seen.expectVariety();
}

TEST(FormulaOracle, FogNozzleReaction) {
  const std::vector<std::string> flows = {"150", "570", "0.0", "0", "-150", big(300), "12.5"};
  Seen seen;
  for (const bool metric : kUnitSystems) {
    for (const std::string& p : kPressures) {
      for (const std::string& q : flows) {
        Keyed k(metric);
        k.key(KeyKind::FogNozzleRF);
        k.enter(p);
        k.enter(q);
        std::optional<double> result;
        if (!refused(p) && !refused(q)) {
          const double P = valueOf(p), Q = valueOf(q);
          if (std::isfinite(P) && std::isfinite(Q)) {
            const double root = std::sqrt(P);
            result = Q * kFogReaction.in(metric)*root;
          }
        }
        EXPECT_EQ(k.display(), expected(metric ? "Newtons " : "Lbs ", result))
            << "P " << p << " Q " << q << " metric " << metric;
        seen.note(k.display());
      }
    }
  }
  seen.expectVariety();
}

TEST(FormulaOracle, ApplicationRate) {
  // 2.5 x 3 / 3, 1.5 x 1 / 3 and 4.5 x 1 / 3 are exact halves.
  const std::vector<std::string> lengths = {"2.5", "3.5", "1.5", "4.5",    "30",      "-30",
                                            "10",  "0",   "0.0", big(200), tiny(300), big(330)};
  const std::vector<std::string> widths = {"3", "1", "50", "40", "15", "-2.5", big(200), "0.0"};
  Seen seen;
  for (const bool metric : kUnitSystems) {
    for (const std::string& l : lengths) {
      for (const std::string& w : widths) {
        Keyed k(metric);
        k.key(KeyKind::ApplicRate);
        k.enter(l);
        k.enter(w);
        std::optional<double> result;
        if (!refused(l) && !refused(w)) {
          const double L = valueOf(l), W = valueOf(w);
          if (std::isfinite(L) && std::isfinite(W)) result = W * L / kAreaPerFlow.in(metric);
        }
        EXPECT_EQ(k.display(), expected(metric ? "LPM " : "GPM ", result))
            << "L " << l << " W " << w << " metric " << metric;
        seen.note(k.display());
      }
    }
  }
  seen.expectVariety();
}

// A few hose keys of the design's table: the largest and smallest
// coefficients and some in between. Every key is checked on its own in the
// hose key test.
const DesignHose kSomeHoses[] = {testing::kDesignHoses[0], testing::kDesignHoses[4],
                                 testing::kDesignHoses[6], testing::kDesignHoses[7],
                                 testing::kDesignHoses[13]};

TEST(FormulaOracle, FrictionLoss) {
  const std::vector<std::string> flows = {"150",  "600",     "500",    "0",   "0.0",
                                          "-150", tiny(300), big(160), "95.5"};
  const std::vector<std::string> lines = {"", "0", "2", "0.5", "-2", big(200)};
  const std::vector<std::string> lengths = {"200", "60", "300", "0", "-100", big(300), "12.5"};
  Seen seen;
  for (const bool metric : kUnitSystems) {
    for (const DesignHose& hose : kSomeHoses) {
      for (const std::string& flow : flows) {
        for (const std::string& n : lines) {
          for (const std::string& length : lengths) {
            Keyed k(metric);
            k.key(KeyKind::FrictionLoss);
            k.enter(flow);
            k.hose(hose);
            k.key(KeyKind::Enter);
            k.enter(n);
            k.enter(length);
            std::optional<double> result;
            if (!refused(flow) && !refused(length)) {
              result = frictionLoss(valueOf(flow),
                                    metric ? hose.metricCoefficient : hose.englishCoefficient,
                                    valueOf(n), valueOf(length));
            }
            EXPECT_EQ(k.display(), expected(metric ? "kPa " : "PSI ", result))
                << "flow " << flow << " hose " << hose.sizeText << " lines '" << n << "' length "
                << length << " metric " << metric;
            seen.note(k.display());
          }
        }
      }
    }
  }
  seen.expectVariety();
}

TEST(FormulaOracle, EnginePressure) {
  const std::vector<std::string> nozzles = {"100", "700", "0", "-50", big(300)};
  const std::vector<std::string> flows = {"150", "600", "0.0", big(160)};
  const std::vector<std::string> lines = {"", "0", "2"};
  const std::vector<std::string> lengths = {"200", "60", "0", "-100"};
  const std::vector<std::string> floors = {"", "0", "3", "2", "-1", "2.5", big(300), big(308)};
  Seen seen;
  for (const bool metric : kUnitSystems) {
    for (const DesignHose& hose : {kSomeHoses[1], kSomeHoses[0]}) {
      for (const std::string& nozzle : nozzles) {
        for (const std::string& flow : flows) {
          for (const std::string& n : lines) {
            for (const std::string& length : lengths) {
              for (const std::string& floor : floors) {
                Keyed k(metric);
                k.key(KeyKind::EnginePressure);
                k.enter(nozzle);
                k.enter(flow);
                k.hose(hose);
                k.key(KeyKind::Enter);
                k.enter(n);
                k.enter(length);
                k.enter(floor);
                std::optional<double> result;
                const std::optional<double> elevation =
                    finite(valueOf(floor) * kElevationPerFloor.in(metric));
                if (!refused(nozzle) && !refused(flow) && !refused(length) && elevation) {
                  const std::optional<double> loss = frictionLoss(
                      valueOf(flow), metric ? hose.metricCoefficient : hose.englishCoefficient,
                      valueOf(n), valueOf(length));
                  if (loss) result = *loss + valueOf(nozzle) + *elevation;
                }
                EXPECT_EQ(k.display(), expected(metric ? "kPa " : "PSI ", result))
                    << "nozzle " << nozzle << " flow " << flow << " hose " << hose.sizeText
                    << " lines '" << n << "' length " << length << " floors '" << floor
                    << "' metric " << metric;
                seen.note(k.display());
              }
            }
          }
        }
      }
    }
  }
  seen.expectVariety();
}

// The reckoning's own rounding and number texts, on values whose display is
// known by heart, so that an oracle fault cannot hide a program fault.
TEST(FormulaOracle, ReckoningAgreesWithKnownTexts) {
  EXPECT_EQ(expected("GPM ", 184.5), "GPM 184");
  EXPECT_EQ(expected("GPM ", 185.5), "GPM 186");
  EXPECT_EQ(expected("GPM ", -2.5), "GPM -2");
  EXPECT_EQ(expected("GPM ", -0.4), "GPM 0");
  EXPECT_EQ(expected("GPM ", 999999999999999.0), "GPM 999999999999999");
  EXPECT_EQ(expected("GPM ", 1e15), "GPM 1E+15");
  EXPECT_EQ(expected("GPM ", -2.971e31), "GPM -2.971E+31");
  EXPECT_EQ(expected("GPM ", 1.7976931348623157e308), "GPM 1.79769313486232E+308");
  EXPECT_EQ(expected("GPM ", std::nullopt), "ERROR");
  EXPECT_EQ(valueOf("-123456.789"), -123456.789);
}

}  // namespace
}  // namespace vardel::oracle
