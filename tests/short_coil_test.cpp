#include <gtest/gtest.h>

#include "model/coil_regimes.h"
#include "tests/coil_case.h"
#include "tests/reference_digits.h"

namespace {

TEST(ShortCoilTest, SeriesAndInductanceMatchTheReferenceCoils) {
  struct Case {
    const char* name;
    CoilArgs args;
    const char* turns;
    const char* sheetSeries;
    const char* depthSeries;
    const char* inductance;
  };
  // The coils of length H, 2H + ss and H + ss of the default inputs.
  const Case cases[] = {
      {"thickLenRatio exactly 1",
       {0.005L, 0.01L, 0.005L, 0.0001L, 0.6L},
       "1909.859349681432",
       "12.707997941115",
       "0.669634987234",
       "0.04650947405811195"},
      {"thickLenRatio 5/11",
       {0.005L, 0.01L, 0.011L, 0.0001L, 0.6L},
       "4201.690569299151",
       "8.310395380501",
       "0.354988261743",
       "0.1610047056356319"},
      {"thickLenRatio 5/6",
       {0.005L, 0.01L, 0.006L, 0.0001L, 0.6L},
       "2291.831219617719",
       "11.642631764224",
       "0.583573477840",
       "0.06284025492308818"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const EvaluatedCoil coil = EvaluateCoil(c.args);
    const ShortCoilTerms terms = EvaluateShortCoil(coil.shape, coil.p);
    EXPECT_DIGITS_N(coil.p.N, c.turns, 12);
    EXPECT_DIGITS(terms.sheetSeries, c.sheetSeries);
    EXPECT_DIGITS(terms.depthSeries, c.depthSeries);
    EXPECT_DIGITS_N(coil.inductance, c.inductance, 12);
    EXPECT_EQ(coil.inductance, terms.sheetTerm - terms.depthCorrection);
  }
}

TEST(ShortCoilTest, ThickFormulaMeetsItAtThickLenRatioOne) {
  const EvaluatedCoil coil = EvaluateCoil({0.005L, 0.01L, 0.005L, 0.0001L, 0.6L});
  EXPECT_DIGITS_N(ThickCoilInductance(coil.shape, coil.p), "0.04650932740786076", 12);
}

}  // namespace
