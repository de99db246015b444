#include "calc/number_to_text.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <clocale>
#include <limits>

namespace {

struct FormatCase {
  long double value;
  const char* text;
};

const FormatCase kCases[] = {
    // The examples of the result fields' format.
    {1909.86L, "1910"},
    {382.736L, "382.7"},
    {12345.0L, "1.235E4"},  // an exact tie: rounded away from zero
    {100000.0L, "1E5"},
    {9999.6L, "1E4"},
    {0.25L, "0.25"},
    {0.0001234L, "0.0001234"},
    {0.00009999L, "9.999E-5"},
    {-0.5L, "-0.5"},
    // The exact binary value decides: 123.45 as typed lies just below the half.
    {123.45L, "123.4"},
    {123.5L, "123.5"},
    {0.125L, "0.125"},
    {1.00005L, "1"},
    {2.5L, "2.5"},
    {1.0L / 3.0L, "0.3333"},
    {-2.0L / 3.0L, "-0.6667"},
    // Form boundaries: fixed from 10^-4 to below 10^4 after rounding.
    {1.0L, "1"},
    {1000.0L, "1000"},
    {9999.0L, "9999"},
    {9999.4L, "9999"},
    {10000.0L, "1E4"},
    {12000.0L, "1.2E4"},
    {0.001L, "0.001"},
    {0.0001L, "0.0001"},
    {0.00009999L, "9.999E-5"},
    {0.00001L, "1E-5"},
    {-1.5e300L, "-1.5E300"},
    {1.2345e-300L, "1.235E-300"},
    // Zero of either sign, and subnormals.
    {0.0L, "0"},
    {-0.0L, "0"},
    {LDBL_TRUE_MIN, "0"},
    {-LDBL_MIN / 2.0L, "0"},
    {LDBL_MIN, "3.362E-4932"},
    {LDBL_MAX, "1.19E4932"},
};

TEST(NumberToTextTest, FourSignificantDigitsInFixedOrScientificForm) {
  for (const FormatCase& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(NumberToText(c.value, '.'), c.text);
  }
}

TEST(NumberToTextTest, UsesTheLocaleSeparator) {
  EXPECT_EQ(NumberToText(382.736L, ','), "382,7");
  EXPECT_EQ(NumberToText(0.0001234L, ','), "0,0001234");
  EXPECT_EQ(NumberToText(12345.0L, ','), "1,235E4");
}

TEST(NumberToTextTest, DoesNotDependOnOrChangeTheRoundingMode) {
  const int modes[] = {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO, FE_TONEAREST};
  for (int mode : modes) {
    std::fesetround(mode);
    EXPECT_EQ(NumberToText(12345.0L, '.'), "1.235E4");
    EXPECT_EQ(NumberToText(123.45L, '.'), "123.4");
    EXPECT_EQ(std::fegetround(), mode);
  }
}

// Qt switches the process to the user's locale; the format must not follow it.
TEST(NumberToTextTest, DoesNotFollowTheProcessLocale) {
  if (std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr) {
    GTEST_SKIP() << "no ru_RU.UTF-8 locale on this system";
  }
  EXPECT_EQ(NumberToText(382.736L, '.'), "382.7");
  EXPECT_EQ(NumberToText(12345.0L, '.'), "1.235E4");
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
