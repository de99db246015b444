#include "calc/text_to_number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

namespace {

struct AcceptedCase {
  const char* text;
  long double value;
};

// Each accepted text with the extended value nearest to it.
const AcceptedCase kAccepted[] = {
    {"0.004", 0.004L},
    {" 0.004 ", 0.004L},
    {"\t0.004\r\n", 0.004L},
    {"+0.9", 0.9L},
    {"-0.001", -0.001L},
    {"1.67E-8", 1.67E-8L},
    {"1.67e-8", 1.67E-8L},
    {"5.", 5.0L},
    {".5", 0.5L},
    {".", 0.0L},
    {"-.", 0.0L},
    {"1E", 1.0L},
    {"1E+", 1.0L},
    {"1e-", 1.0L},
    {"2E+3", 2000.0L},
    {"1E499", 1E499L},
    {"1E500", 1E500L},
    {"1E-0499", 1E-499L},
    {"1E4932", 1E4932L},
    {"0E600", 0.0L},
    {"12345678901234567890123", 12345678901234567890123.0L},
    {"0.1", 0.1L},
};

TEST(TextToNumberTest, AcceptedTextsGiveTheNearestExtendedValue) {
  for (const AcceptedCase& c : kAccepted) {
    SCOPED_TRACE(c.text);
    const std::optional<long double> value = TextToNumber(c.text, '.');
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, c.value);
  }
}

TEST(TextToNumberTest, RejectsEverythingOutsideTheGrammarOrTheRange) {
  const char* const rejected[] = {
      "",
      "   ",
      "+",
      "-",
      "E5",
      ".E5x",
      "abc",
      "0.004 m",
      "1 000",
      "1,5",
      "1.2.3",
      "1..",
      "1E5.0",
      "1E+-5",
      "--1",
      "+-1",
      "0x10",
      "inf",
      "nan",
      "1E-5000",
      "1E5000",
      "2E4932",
      "1e4933",
      "1\x01"
      "2",
      "١",
  };
  for (const char* text : rejected) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(TextToNumber(text, '.').has_value());
  }
}

TEST(TextToNumberTest, MagnitudesBelowTheNormalRangeBecomeSubnormalOrZero) {
  const std::optional<long double> tiny = TextToNumber("1E-4940", '.');
  ASSERT_TRUE(tiny.has_value());
  EXPECT_EQ(std::fpclassify(*tiny), FP_SUBNORMAL);
  EXPECT_EQ(*tiny, 1E-4940L);

  const std::optional<long double> vanishing = TextToNumber("1E-4999", '.');
  ASSERT_TRUE(vanishing.has_value());
  EXPECT_EQ(*vanishing, 0.0L);
}

TEST(TextToNumberTest, TheSeparatorIsTheLocalesOnly) {
  EXPECT_EQ(TextToNumber("0,004", ','), 0.004L);
  EXPECT_EQ(TextToNumber(",", ','), 0.0L);
  EXPECT_FALSE(TextToNumber("0.004", ',').has_value());
  EXPECT_FALSE(TextToNumber("0,004", '.').has_value());
}

TEST(TextToNumberTest, TrimsOnlyControlCharactersAndSpaceFromBothEnds) {
  EXPECT_EQ(TrimBlanks(std::string("\x01\x1f 1 2 \x20\x7f")), "1 2 \x20\x7f");
  EXPECT_EQ(TrimBlanks(std::string(" \0 x \0 ", 7)), "x");
  EXPECT_EQ(TrimBlanks(" \t\n"), "");
}

}  // namespace
