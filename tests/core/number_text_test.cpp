#include "core/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale>
#include <random>
#include <string>

namespace vardel {
namespace {

struct FormatCase {
  double value;
  const char* signedText;
  const char* plainText;
};

TEST(NumberFormats, WriteBothFormats) {
  const FormatCase cases[] = {
      {0, " 0", "0"},
      {-0.0, " 0", "0"},  // negative zero never shows a sign
      {0.5, " .5", "0.5"},
      {-0.25, "-.25", "-0.25"},
      {150, " 150", "150"},
      {-12, "-12", "-12"},
      {12.5, " 12.5", "12.5"},
      {1.0 / 3, " .333333333333333", "0.333333333333333"},
      {2.0 / 3, " .666666666666667", "0.666666666666667"},
      {69.75, " 69.75", "69.75"},
      {1.6, " 1.6", "1.6"},
      {0.1 + 0.2, " .3", "0.3"},  // 15 digits hide the binary error
      {123456789012345678.0, " 1.23456789012346E+17", "1.23456789012346E+17"},
      {-2.5e300, "-2.5E+300", "-2.5E+300"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(formatSigned(c.value), c.signedText) << c.value;
    EXPECT_EQ(formatPlain(c.value), c.plainText) << c.value;
  }
}

TEST(NumberFormats, SwitchToExponentFormAtDocumentedThresholds) {
  EXPECT_EQ(formatPlain(999999999999999.0), "999999999999999");
  EXPECT_EQ(formatPlain(1e15), "1E+15");
  // 15 significant digits round 999999999999999.9 up into exponent form.
  EXPECT_EQ(formatPlain(999999999999999.9), "1E+15");
  EXPECT_EQ(formatSigned(0.0001), " .0001");
  EXPECT_EQ(formatSigned(0.000123), " .000123");
  EXPECT_EQ(formatSigned(0.00001), " 1E-05");
  EXPECT_EQ(formatSigned(-0.000015), "-1.5E-05");
  EXPECT_EQ(formatPlain(0.00009999999999999999), "0.0001");
}

TEST(NumberFormats, RoundToFifteenSignificantDigits) {
  EXPECT_EQ(formatPlain(1234567.89012345678), "1234567.89012346");
  EXPECT_EQ(formatPlain(0.1234567890123456), "0.123456789012346");
  // An exact tie at the 15th digit goes to the even neighbour.
  EXPECT_EQ(formatPlain(100000000000000.5), "100000000000000");
  EXPECT_EQ(formatPlain(100000000000001.5), "100000000000002");
  EXPECT_EQ(formatPlain(100000000000000.75), "100000000000001");
}

TEST(NumberFormats, ExtremesOfTheDoubleRange) {
  const double largest = std::numeric_limits<double>::max();
  EXPECT_EQ(formatSigned(largest), " 1.79769313486232E+308");
  EXPECT_EQ(formatPlain(-largest), "-1.79769313486232E+308");
  EXPECT_EQ(formatPlain(std::numeric_limits<double>::denorm_min()), "4.94065645841247E-324");
}

struct ReadCase {
  const char* text;
  double lenient;
  std::optional<double> strict;
};

TEST(NumberReadings, LenientAndStrict) {
  const ReadCase cases[] = {
      {" 150", 150, 150},
      {"150", 150, 150},
      {" 12.5", 12.5, 12.5},
      {" .5", 0.5, 0.5},
      {"-.25", -0.25, -0.25},
      {"+7", 7, 7},
      {" 0", 0, 0},
      {"0", 0, 0},
      {" 0.0", 0, 0},
      {" 5.", 5, 5},
      {" 1E+15", 1e15, 1e15},
      {"1.5E-05", 1.5e-5, 1.5e-5},
      {"2e3", 2000, 2000},
      {" 150 ", 150, 150},
      // Texts that are not one number: the lenient reading takes what leads.
      {"VORNA", 0, std::nullopt},
      {" ", 0, std::nullopt},
      {"", 0, std::nullopt},
      {".", 0, std::nullopt},
      {" .", 0, std::nullopt},
      {"-", 0, std::nullopt},
      {"Nozzle PSI", 0, std::nullopt},
      {"GPM 185", 0, std::nullopt},
      {"3 X 2.5", 3, std::nullopt},
      {"1 2 3", 123, std::nullopt},
      {"12.5.1", 12.5, std::nullopt},
      {"1E", 1, std::nullopt},
      {"1E+", 1, std::nullopt},
      {"ERROR", 0, std::nullopt},
      {"SIAMESE", 0, std::nullopt},
      {"1,5", 1, std::nullopt},
      // Words that other readers take as numbers are not numbers here.
      {"inf", 0, std::nullopt},
      {"-Infinity", 0, std::nullopt},
      {"nan", 0, std::nullopt},
      {"0x10", 0, std::nullopt},
  };
  for (const ReadCase& c : cases) {
    EXPECT_EQ(readLenient(c.text), c.lenient) << '"' << c.text << '"';
    EXPECT_EQ(readStrict(c.text), c.strict) << '"' << c.text << '"';
  }
}

TEST(NumberReadings, NumbersBeyondTheRangeOfADouble) {
  const std::string hugeKeyed = " " + std::string(400, '9');
  EXPECT_EQ(readLenient(hugeKeyed), std::nullopt);
  EXPECT_EQ(readStrict(hugeKeyed), std::nullopt);
  EXPECT_EQ(readStrict("1E+309"), std::nullopt);
  EXPECT_EQ(readStrict("-1E+99999999999999999999"), std::nullopt);
  EXPECT_EQ(readStrict("0.01E+311"), std::nullopt);
  // Too small to hold: reads as zero, keeping the sign.
  EXPECT_EQ(readStrict("1E-400"), 0.0);
  EXPECT_TRUE(std::signbit(*readStrict("-1E-400")));
  EXPECT_EQ(readStrict("1E-99999999999999999999"), 0.0);
  EXPECT_EQ(readStrict("0.0000E+999"), 0.0);
  EXPECT_EQ(readStrict("1000E-309"), 1e-306);
}

TEST(NumberReadings, LongKeyedNumbersWithinRange) {
  const std::string keyed = " " + std::string(300, '9');
  ASSERT_TRUE(readStrict(keyed).has_value());
  EXPECT_DOUBLE_EQ(*readStrict(keyed), 1e300);
  EXPECT_EQ(readStrict(" 0" + std::string(500, '0') + "7"), 7);
  EXPECT_EQ(readStrict(" ." + std::string(330, '0') + "5"), 0.0);
}

// Every written number reads back as the number rounded to 15 significant
// digits, in both formats and through both readings.
TEST(NumberTexts, RoundTrip) {
  std::mt19937_64 random(20261208);
  std::uniform_int_distribution<int> exponent(-330, 310);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  auto check = [](double x) {
    const double rounded = std::strtod(formatPlain(x).c_str(), nullptr);  // 15 digits
    for (const std::string& text : {formatSigned(x), formatPlain(x)}) {
      const auto strict = readStrict(text);
      ASSERT_TRUE(strict.has_value()) << text;
      EXPECT_EQ(*strict, rounded) << text;
      EXPECT_EQ(readLenient(text), strict) << text;
      EXPECT_EQ(formatPlain(*strict), formatPlain(x)) << text;
    }
    // The exact text reads back as the value itself, in as few digits.
    const std::string exact = formatExact(x);
    EXPECT_EQ(readStrict(exact), x == 0 ? 0 : x) << exact;
    EXPECT_LE(exact.size(), formatPlain(x).size() + 8) << exact;
  };
  for (int i = 0; i < 20000; ++i) {
    const double x = mantissa(random) * std::pow(10.0, exponent(random));
    if (std::isfinite(x)) check(x);
  }
  const double largest = std::numeric_limits<double>::max();
  EXPECT_EQ(readStrict(formatSigned(largest)), largest);
  EXPECT_EQ(readStrict(formatPlain(-largest)), -largest);
  EXPECT_EQ(readStrict("1.79769313486233E+308"), std::nullopt);
  check(std::numeric_limits<double>::denorm_min());
  check(std::numeric_limits<double>::min());
}

// Texts just beyond the largest double read as it only up to the very text it
// is written as, however that text is spelled.
TEST(NumberReadings, TheLargestWrittenNumberInOtherSpellings) {
  const double largest = std::numeric_limits<double>::max();
  EXPECT_EQ(readStrict("179769313486232E+294"), largest);
  EXPECT_EQ(readStrict("-0.0179769313486232000E+310"), -largest);
  EXPECT_EQ(readStrict("17976931348623.2E295"), largest);
  EXPECT_EQ(readStrict("1.797693134862316E+308"), largest);
  EXPECT_EQ(readStrict("1.7976931348623200001E+308"), std::nullopt);
  EXPECT_EQ(readStrict("00179769313486232" + std::string(293, '0') + "1"), std::nullopt);
  EXPECT_EQ(readStrict("1.8E+308"), std::nullopt);
  EXPECT_EQ(readStrict("1E+9223372036854775808"), std::nullopt);
}

// The decimal point is "." whatever locale the process runs in.
// Under a locale whose decimal point is a comma, both in the C library and
// as the C++ global locale. The build generates that locale (de_DE.UTF-8,
// under LOCPATH) before the native tests run; the WebAssembly runtime has
// no locales to switch to.
TEST(NumberTexts, IgnoreTheProcessLocale) {
#ifdef __EMSCRIPTEN__
  GTEST_SKIP() << "the WebAssembly runtime has only the C locale";
#else
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  const std::locale savedGlobal;
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the test locale was not generated";
  std::locale::global(std::locale("de_DE.UTF-8"));
  ASSERT_EQ(*std::localeconv()->decimal_point, ',');
  ASSERT_EQ(std::use_facet<std::numpunct<char> >(std::locale()).decimal_point(), ',');

  EXPECT_EQ(formatSigned(12.5), " 12.5");
  EXPECT_EQ(formatPlain(-0.25), "-0.25");
  EXPECT_EQ(formatPlain(1.5e-5), "1.5E-05");
  EXPECT_EQ(readStrict(" 12.5"), 12.5);
  EXPECT_EQ(readStrict("12,5"), std::nullopt);
  EXPECT_EQ(readLenient("12,5"), 12.0);
  std::locale::global(savedGlobal);
  std::setlocale(LC_ALL, saved.c_str());
#endif
}

}  // namespace
}  // namespace vardel
