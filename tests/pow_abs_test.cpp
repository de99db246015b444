#include "model/pow_abs.h"

#include <gtest/gtest.h>

#include <cfenv>

#include "tests/reference_digits.h"

namespace {

TEST(PowAbsTest, NonZeroBasesGiveReferencePowersOfTheirMagnitude) {
  struct Case {
    long double base;
    long double exponent;
    const char* result;
  };
  const Case cases[] = {
      {2.0L, 3.0L, "8.000000000000000"},  {-2.0L, 3.0L, "8.000000000000000"},
      {4.0L, 0.5L, "2.000000000000000"},  {-8.0L, 0.5L, "2.828427124746190"},
      {0.5L, -2.0L, "4.000000000000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "PowAbs(" << static_cast<double>(c.base) << ", "
                                    << static_cast<double>(c.exponent) << ")");
    EXPECT_DIGITS(PowAbs(c.base, c.exponent), c.result);
  }
}

TEST(PowAbsTest, NegativeBaseGivesExactlyThePowerOfItsMagnitude) {
  for (const long double exponent : {3.0L, 4.0L, 5.0L, 0.5L, -3.0L}) {
    SCOPED_TRACE(testing::Message() << "exponent " << static_cast<double>(exponent));
    EXPECT_EQ(PowAbs(-0.3511234415883917L, exponent), PowAbs(0.3511234415883917L, exponent));
  }
}

TEST(PowAbsTest, ZeroBaseGivesOneOnlyForZeroExponentAndRaisesNothing) {
  std::feclearexcept(FE_ALL_EXCEPT);
  EXPECT_EQ(PowAbs(0.0L, 0.0L), 1.0L);
  EXPECT_EQ(PowAbs(0.0L, -1.0L), 0.0L);
  EXPECT_EQ(PowAbs(0.0L, 2.0L), 0.0L);
  EXPECT_EQ(PowAbs(-0.0L, 3.0L), 0.0L);
  EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW));
}

}  // namespace
