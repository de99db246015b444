#include "model/coil_inductance.h"

#include <gtest/gtest.h>

#include "calc/fp_traps.h"
#include "model/coil_regimes.h"
#include "tests/coil_case.h"
#include "tests/reference_digits.h"

namespace {

using RegimeFormula = long double (*)(const CoilShape&, const TransducerParams&);

struct RegimeCase {
  const char* name;
  CoilArgs args;
  RegimeFormula regime;
  const char* inductance;
  const char* turns;  // nullptr where no reference is given
};

// The four coils of the default differential solenoid, a long coil, and each
// threshold exactly and just past it.
const RegimeCase kRegimeCases[] = {
    {"L(H) of the default inputs, thickLenRatio exactly 1",
     {0.005L, 0.01L, 0.005L, 0.0001L, 0.6L},
     ShortCoilInductance,
     "0.04650947405811195",
     "1909.859349681432"},
    {"L(2H + ss) of the default inputs",
     {0.005L, 0.01L, 0.011L, 0.0001L, 0.6L},
     ShortCoilInductance,
     "0.1610047056356319",
     "4201.690569299151"},
    {"L(H + ss) of the default inputs",
     {0.005L, 0.01L, 0.006L, 0.0001L, 0.6L},
     ShortCoilInductance,
     "0.06284025492308818",
     "2291.831219617719"},
    {"L(ss) of the default inputs",
     {0.005L, 0.01L, 0.001L, 0.0001L, 0.6L},
     ThickCoilInductance,
     "0.002516678220690145",
     "381.9718699362865"},
    {"long coil",
     {0.005L, 0.01L, 0.02L, 0.0001L, 0.6L},
     LongCoilInductance,
     "0.3705203376190122",
     "7639.437398725729"},
    {"lenRatio exactly 0.75",
     {0.25L, 0.5L, 0.5625L, 0.001L, 0.5L},
     LongCoilInductance,
     "3607.569886531337",
     nullptr},
    {"lenRatio just below 0.75",
     {0.25L, 0.5L, 0.5624999L, 0.001L, 0.5L},
     ShortCoilInductance,
     "3611.157316683300",
     nullptr},
    {"thickLenRatio exactly 1",
     {0.25L, 0.5L, 0.25L, 0.001L, 0.5L},
     ShortCoilInductance,
     "1009.320183552777",
     "39788.73645169651"},
    {"thickLenRatio just above 1",
     {0.25L, 0.5L, 0.2499999L, 0.001L, 0.5L},
     ThickCoilInductance,
     "1009.316324558194",
     nullptr},
    {"thickDiamRatio exactly 0.5",
     {0.25L, 0.75L, 0.125L, 0.001L, 0.5L},
     ThickCoilInductance,
     "1411.632978438895",
     nullptr},
    {"thickDiamRatio just above 0.5",
     {0.25L, 0.7500001L, 0.125L, 0.001L, 0.5L},
     SmallBoreCoilInductance,
     "1411.689356419138",
     nullptr},
};

TEST(CoilInductanceTest, GivesReferenceInductanceAndTurns) {
  for (const RegimeCase& c : kRegimeCases) {
    SCOPED_TRACE(c.name);
    const EvaluatedCoil coil = EvaluateCoil(c.args);
    EXPECT_DIGITS(coil.inductance, c.inductance);
    if (c.turns != nullptr) {
      EXPECT_DIGITS(coil.p.N, c.turns);
    }
  }
}

TEST(CoilInductanceTest, ReturnsExactlyTheValueOfTheRegimeOfItsShape) {
  for (const RegimeCase& c : kRegimeCases) {
    SCOPED_TRACE(c.name);
    const EvaluatedCoil coil = EvaluateCoil(c.args);
    EXPECT_EQ(coil.inductance, c.regime(coil.shape, coil.p));
  }
}

TEST(CoilInductanceTest, ThresholdCoilsHaveTheirRatioExactlyAtTheThreshold) {
  EXPECT_EQ(EvaluateCoil({0.25L, 0.5L, 0.5625L, 0.001L, 0.5L}).shape.lenRatio, 0.75L);
  EXPECT_EQ(EvaluateCoil({0.25L, 0.5L, 0.25L, 0.001L, 0.5L}).shape.thickLenRatio, 1.0L);
  EXPECT_EQ(EvaluateCoil({0.005L, 0.01L, 0.005L, 0.0001L, 0.6L}).shape.thickLenRatio, 1.0L);
  EXPECT_EQ(EvaluateCoil({0.25L, 0.75L, 0.125L, 0.001L, 0.5L}).shape.thickDiamRatio, 0.5L);
}

TEST(CoilInductanceTest, ShapeKeepsTheArgumentsBesideTheirRatios) {
  const CoilShape shape = MakeCoilShape(0.25L, 0.5L, 0.5625L, 0.001L, 0.5L);
  EXPECT_DIGITS(shape.axialCos, "0.5547001962252291");
  EXPECT_DIGITS(shape.thickDiamRatio, "0.3333333333333333");
  EXPECT_EQ(shape.radiusRatio, 0.5L);
  EXPECT_EQ(shape.R1, 0.25L);
  EXPECT_EQ(shape.R2, 0.5L);
  EXPECT_EQ(shape.x, 0.5625L);
  EXPECT_EQ(shape.D, 0.001L);
  EXPECT_EQ(shape.Lambda, 0.5L);
}

TEST(CoilInductanceTest, ZeroLengthTrapsAfterTheTurnsAreStored) {
  TransducerParams p;
  p.N = 1.0L;
  auto body = [&] { CoilInductance(p, 0.005L, 0.01L, 0.0L, 0.0001L, 0.6L); };
  EXPECT_EQ(RunTrapped(body), FpError::kDivisionByZero);
  EXPECT_EQ(p.N, 0.0L);
}

}  // namespace
