// The hose table is data that both the panel and the logic read: pin every
// row so a changed figure cannot slip in unnoticed.
#include "calc/hose_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "support/key_script.h"

namespace vardel::testing {
namespace {

struct Row {
  std::string_view keyName, caption, englishDisplay, metricDisplay, sizeText;
  double englishCoefficient, metricCoefficient;
  std::string_view labelName, labelCaption;
};

constexpr Row kExpected[] = {
    {"cmdThreeQuartersInch", "3/4\"", "0.75", "20", "0.75", 1100, 1741, "lbl20mm", "20mm"},
    {"cmdOneInch", "1\"", "1", "25", "1", 150, 238, "lbl25mm", "25mm"},
    {"cmdOneAndAQuarterInch", "1 1/4\"", "1.25", "32", "1.25", 80, 127, "lbl32mm", "32mm"},
    {"cmdOneandHalfInch", "1 1/2\"", "1.50", "38", "1.5", 24, 38, "lbl38mm", "38mm"},
    {"cmdOneandThreeQuartersInch", "1 3/4\"", "1.75", "45", "1.75", 15.5, 24.6, "lbl45mm", "45mm"},
    {"cmdTwoInch", "2\"", "2", "50", "2", 8, 12.7, "lbl50mm", "50mm"},
    {"cmdTwoandAHalfInch", "2 1/2\"", "2.5", "65", "2.5", 2, 3.17, "lbl65mm", "65mm"},
    {"cmd3Times2andHalfInch", "3x2 1/2\"", "3 X 2.5", "77 X 65", "3 X 2.5", 0.8, 1.27, "lbl77X65mm",
     "77 X 65mm"},
    {"cmdThreeInch", "3\"", "3", "77", "3", 0.677, 1.06, "lbl77mm", "77mm"},
    {"cmdThreeAndAHalfInch", "3 1/2\"", "3.5", "90", "3.5", 0.34, 0.53, "lbl90mm", "90mm"},
    {"cmdFourInch", "4\"", "4", "100", "4", 0.2, 0.305, "lbl100mm", "100mm"},
    {"cmdFourandHalfInch", " 4 1/2\"", "4.5", "115", "4.5", 0.1, 0.167, "lbl115mm", "115mm"},
    {"cmdFiveInch", "5\"", "5", "125", "5", 0.08, 0.138, "lbl125mm", "125mm"},
    {"cmdSixInch", "6\"", "6", "150", "6", 0.05, 0.083, "lbl150mm", "150mm"},
};

TEST(HoseTable, RowsHoldTheExpectedKeysTextsAndCoefficients) {
  ASSERT_EQ(kHoses.size(), std::size(kExpected));
  for (std::size_t i = 0; i < kHoses.size(); ++i) {
    const Hose& h = kHoses[i];
    const Row& e = kExpected[i];
    SCOPED_TRACE(e.keyName);
    EXPECT_EQ(h.keyName, e.keyName);
    EXPECT_EQ(h.caption, e.caption);
    EXPECT_EQ(h.englishDisplay, e.englishDisplay);
    EXPECT_EQ(h.metricDisplay, e.metricDisplay);
    EXPECT_EQ(h.sizeText, e.sizeText);
    EXPECT_EQ(h.englishCoefficient, e.englishCoefficient);
    EXPECT_EQ(h.metricCoefficient, e.metricCoefficient);
    EXPECT_EQ(h.labelName, e.labelName);
    EXPECT_EQ(h.labelCaption, e.labelCaption);
  }
}

TEST(HoseTable, EachKeyRecordsItsOwnRowInEitherUnitSystem) {
  for (std::size_t i = 0; i < std::size(kExpected); ++i) {
    const Row& e = kExpected[i];
    SCOPED_TRACE(e.keyName);
    const Key key{KeyKind::Hose, static_cast<std::int16_t>(i)};

    Session session;
    session.run("FL");
    press(session.calculator, key);
    EXPECT_EQ(session.calculator.display(), e.englishDisplay);
    EXPECT_EQ(session.state().dblHoseCoefficient, e.englishCoefficient);
    EXPECT_EQ(session.state().strHoseSize, e.sizeText);

    session.run("EM");
    press(session.calculator, key);
    EXPECT_EQ(session.calculator.display(), e.metricDisplay);
    EXPECT_EQ(session.state().dblHoseCoefficient, e.metricCoefficient);
    EXPECT_EQ(session.state().strHoseSize, e.sizeText);
  }
}

}  // namespace
}  // namespace vardel::testing
