#include <gtest/gtest.h>

#include "model/coil_regimes.h"
#include "tests/coil_case.h"
#include "tests/reference_digits.h"

namespace {

// Nagaoka's coefficient K = nagaokaSum / (2 lenRatio) of a coil.
long double NagaokaCoefficient(const EvaluatedCoil& coil) {
  return EvaluateLongCoil(coil.shape, coil.p).nagaokaSum / (2.0L * coil.shape.lenRatio);
}

TEST(LongCoilTest, EveryTermMatchesTheReferenceCoils) {
  struct Case {
    const char* name;
    CoilArgs args;
    const char* axialCos;
    const char* turns;
    const char* nagaokaSum;
    const char* B2;
    const char* B4;
    const char* B6;
    const char* depthSum;
    const char* sheetTerm;
    const char* depthCorrection;
    const char* inductance;
  };
  const Case cases[] = {
      {"lenRatio exactly 0.75",
       {0.25L, 0.5L, 0.5625L, 0.001L, 0.5L},
       "0.5547001962252291",
       "89524.65701631714",
       "0.9346214396243598",
       "0.2594091868313910",
       "0.1513478761465072",
       "-0.2214183799096543",
       "0.2505192981784173",
       "4928.667748019085",
       "1321.097861487748",
       "3607.569886531337"},
      {"lenRatio 4/3",
       {0.005L, 0.01L, 0.02L, 0.0001L, 0.6L},
       "0.3511234415883917",
       "7639.437398725729",
       "1.994031125487149",
       "0.2223871878228559",
       "0.01101134684439063",
       "0.001937715146409501",
       "0.4692560735570571",
       "0.4845495634933771",
       "0.1140292258743649",
       "0.3705203376190122"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const EvaluatedCoil coil = EvaluateCoil(c.args);
    const LongCoilTerms terms = EvaluateLongCoil(coil.shape, coil.p);
    EXPECT_DIGITS(coil.shape.axialCos, c.axialCos);
    EXPECT_DIGITS(coil.p.N, c.turns);
    EXPECT_DIGITS(terms.nagaokaSum, c.nagaokaSum);
    EXPECT_DIGITS(terms.B2, c.B2);
    EXPECT_DIGITS(terms.B4, c.B4);
    EXPECT_DIGITS(terms.B6, c.B6);
    EXPECT_DIGITS(terms.depthSum, c.depthSum);
    EXPECT_DIGITS(terms.sheetTerm, c.sheetTerm);
    EXPECT_DIGITS(terms.depthCorrection, c.depthCorrection);
    EXPECT_DIGITS(coil.inductance, c.inductance);
    EXPECT_EQ(coil.inductance, terms.sheetTerm - terms.depthCorrection);
  }
}

TEST(LongCoilTest, ThinWindingHasASmallDepthCorrection) {
  const EvaluatedCoil coil = EvaluateCoil({0.01L, 0.011L, 0.2L, 0.0002L, 0.7L});
  const LongCoilTerms terms = EvaluateLongCoil(coil.shape, coil.p);
  EXPECT_DIGITS(NagaokaCoefficient(coil), "0.9568128474576397");
  EXPECT_DIGITS(terms.sheetTerm, "0.04135153764142427");
  EXPECT_DIGITS(terms.depthCorrection, "0.001336499279490775");
  EXPECT_DIGITS(coil.inductance, "0.04001503836193350");
}

TEST(LongCoilTest, WindingThatNearlyFillsTheBoreHasANegativeB2) {
  const EvaluatedCoil coil = EvaluateCoil({0.001L, 0.1L, 0.5L, 0.001L, 0.9L});
  const LongCoilTerms terms = EvaluateLongCoil(coil.shape, coil.p);
  EXPECT_DIGITS(coil.shape.thickDiamRatio, "0.9801980198019802");
  EXPECT_DIGITS(terms.B2, "-0.07522409982806073");
  EXPECT_DIGITS(terms.depthSum, "3.380297503867697");
  EXPECT_DIGITS(terms.sheetTerm, "59.56153477118541");
  EXPECT_DIGITS(terms.depthCorrection, "22.11894665032635");
  EXPECT_DIGITS(coil.inductance, "37.44258812085907");
}

TEST(LongCoilTest, NagaokaCoefficientApproachesOneAsTheCoilLengthens) {
  struct Case {
    const char* name;
    CoilArgs args;
    const char* coefficient;
  };
  const Case cases[] = {
      {"lenRatio 0.75", {0.25L, 0.5L, 0.5625L, 0.001L, 0.5L}, "0.6230809597495732"},
      {"lenRatio 1.5", {0.005L, 0.006L, 0.0165L, 0.001L, 0.5L}, "0.7698878062156810"},
      {"lenRatio 10", {0.25L, 0.75L, 10.0L, 0.001L, 0.5L}, "0.95880712"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_DIGITS(NagaokaCoefficient(EvaluateCoil(c.args)), c.coefficient);
  }
}

}  // namespace
