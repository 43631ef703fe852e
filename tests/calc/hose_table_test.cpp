// The hose keys pressed one by one in a friction loss of 1000 gpm (or lpm)
// through 1000 ft (or m) of one line: the loss is then the coefficient times
// 1000, so the display shows every digit of the design's coefficient.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/design_hoses.h"
#include "support/key_script.h"

namespace vardel::testing {
namespace {

TEST(HoseKeys, EachKeyShowsAndRecordsItsHoseInEitherUnitSystem) {
  for (const DesignHose& hose : kDesignHoses) {
    for (const bool metric : {false, true}) {
      SCOPED_TRACE(std::string(hose.keyName) + (metric ? " metric" : " English"));
      Session session;
      if (metric) session.run("EM");
      EXPECT_EQ(session.run("FL 1000 ENTER " + scriptWord(hose)),
                metric ? hose.metricDisplay : hose.englishDisplay);
      EXPECT_EQ(session.state().strHoseSize, hose.sizeText);

      const double coefficient = metric ? hose.metricCoefficient : hose.englishCoefficient;
      const std::string loss = std::to_string(std::llround(coefficient * 1000));
      EXPECT_EQ(session.run("ENTER ENTER 1000 ENTER"), (metric ? "kPa " : "PSI ") + loss);
    }
  }
}

}  // namespace
}  // namespace vardel::testing
