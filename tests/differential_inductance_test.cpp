#include "model/differential_inductance.h"

#include <gtest/gtest.h>

#include "calc/fp_traps.h"
#include "tests/default_inputs.h"
#include "tests/reference_digits.h"

namespace {

TEST(DifferentialInductanceTest, DefaultInputsGiveReferenceInductanceAndLeaveTurnsOfTheGap) {
  TransducerParams p = DefaultInputs();
  DifferentialInductance(p);
  EXPECT_DIGITS(p.Ldif, "0.05517807410607819");
  EXPECT_DIGITS(p.N, "381.9718699362865");
}

TEST(DifferentialInductanceTest, TrapInTheLastCoilKeepsThePreviousInductance) {
  TransducerParams p = DefaultInputs();
  p.ss = 0.0L;  // the last coil, of length ss, divides by zero
  p.Ldif = 7.0L;
  auto body = [&] { DifferentialInductance(p); };
  EXPECT_EQ(RunTrapped(body), FpError::kDivisionByZero);
  EXPECT_EQ(p.Ldif, 7.0L);
  EXPECT_EQ(p.N, 0.0L);
}

}  // namespace
