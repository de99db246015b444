#include <gtest/gtest.h>

#include "model/coil_regimes.h"
#include "tests/coil_case.h"
#include "tests/reference_digits.h"

namespace {

using ThickFormula = ThickCoilTerms (*)(const CoilShape&, const TransducerParams&);

TEST(ThickCoilTest, SeriesAndInductanceMatchTheReferenceCoils) {
  struct Case {
    const char* name;
    CoilArgs args;
    ThickFormula formula;
    const char* turns;
    const char* sheetSeries;
    const char* lengthSeries;
    const char* inductance;
  };
  const Case cases[] = {
      {"L(ss) of the default inputs",
       {0.005L, 0.01L, 0.001L, 0.0001L, 0.6L},
       EvaluateThickCoil,
       "381.9718699362865",
       "25.298614757041",
       "0.183019813030",
       "0.002516678220690145"},
      {"thickDiamRatio exactly 0.5",
       {0.25L, 0.75L, 0.125L, 0.001L, 0.5L},
       EvaluateThickCoil,
       "39788.7364516965",
       "20.600576787394",
       "0.220213611020",
       "1411.632978438895"},
      {"radiusRatio 0.2",
       {0.002L, 0.01L, 0.001L, 0.0001L, 0.6L},
       EvaluateSmallBoreCoil,
       "611.1549918980584",
       "17.520824285408",
       "0.117721737980",
       "0.003594998088082914"},
      {"radiusRatio 0.1",
       {0.001L, 0.01L, 0.002L, 0.0001L, 0.6L},
       EvaluateSmallBoreCoil,
       "1375.098731770631",
       "15.556078162382",
       "0.193429075355",
       "0.01365030109197737"},
      {"radiusRatio 0.0001",
       {0.000001L, 0.01L, 0.001L, 0.0001L, 0.6L},
       EvaluateSmallBoreCoil,
       "763.8673454985857",
       "13.940594198551",
       "0.094439982092",
       "0.003721258353613448"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const EvaluatedCoil coil = EvaluateCoil(c.args);
    const ThickCoilTerms terms = c.formula(coil.shape, coil.p);
    EXPECT_DIGITS_N(coil.p.N, c.turns, 12);
    EXPECT_DIGITS(terms.sheetSeries, c.sheetSeries);
    EXPECT_DIGITS(terms.lengthSeries, c.lengthSeries);
    EXPECT_DIGITS_N(coil.inductance, c.inductance, 12);
    EXPECT_EQ(coil.inductance, terms.sheetTerm - terms.lengthCorrection);
  }
}

// Inside the series' own regime the small-bore fit gives nearly the same
// sheet, and the length correction is the very same.
TEST(ThickCoilTest, SmallBoreFitAgreesWithTheSeriesOfAThickCoil) {
  struct Case {
    const char* name;
    CoilArgs args;
    const char* sheetSeries;
    const char* inductance;
  };
  const Case cases[] = {
      {"L(ss) of the default inputs",
       {0.005L, 0.01L, 0.001L, 0.0001L, 0.6L},
       "25.298522069221",
       "0.002516668078151017"},
      {"thickDiamRatio exactly 0.5",
       {0.25L, 0.75L, 0.125L, 0.001L, 0.5L},
       "20.601280727528",
       "1411.688700352938"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const EvaluatedCoil coil = EvaluateCoil(c.args);
    const ThickCoilTerms fit = EvaluateSmallBoreCoil(coil.shape, coil.p);
    EXPECT_DIGITS(fit.sheetSeries, c.sheetSeries);
    EXPECT_DIGITS_N(SmallBoreCoilInductance(coil.shape, coil.p), c.inductance, 12);
    const ThickCoilTerms series = EvaluateThickCoil(coil.shape, coil.p);
    EXPECT_EQ(fit.lengthSeries, series.lengthSeries);
    EXPECT_EQ(fit.lengthCorrection, series.lengthCorrection);
  }
}

}  // namespace
