#include "model/induced_emf.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "tests/default_inputs.h"
#include "tests/reference/literal_emf.h"
#include "tests/reference_digits.h"

namespace {

// The window's default inputs with the velocity 1 m/s.
TransducerParams Defaults() {
  TransducerParams p = DefaultInputs();
  p.vv = 1.0L;
  return p;
}

using Change = std::pair<long double TransducerParams::*, long double>;

TransducerParams Changed(TransducerParams p, std::initializer_list<Change> changes) {
  for (const Change& change : changes) {
    p.*change.first = change.second;
  }
  return p;
}

// The magnet inside the gap, with the coils' bore narrower than the magnet.
TransducerParams MagnetInTheGap() {
  return Changed(Defaults(), {{&TransducerParams::R1, 0.004L},
                              {&TransducerParams::ss, 0.004L},
                              {&TransducerParams::Deltaz, 0.0004L}});
}

TEST(InducedEmfTest, DefaultsGiveTheReferenceEmfToTwelveDigits) {
  EXPECT_DIGITS(InducedEmf(Defaults()), "-5.53082100089");
}

TEST(InducedEmfTest, ReferenceEmfsToSevenDigits) {
  struct Case {
    const char* change;
    TransducerParams p;
    const char* emf;
  };
  using P = TransducerParams;
  const Case cases[] = {
      {"defaults", Defaults(), "-5.530821"},
      {"cylinder", Changed(Defaults(), {{&P::D1, 0.0L}}), "-6.459824"},
      {"Deltaz 0.001", Changed(Defaults(), {{&P::Deltaz, 0.001L}}), "-4.925651"},
      {"Deltaz -0.001", Changed(Defaults(), {{&P::Deltaz, -0.001L}}), "-4.925651"},
      {"centred in one coil", Changed(Defaults(), {{&P::Deltaz, 0.004L}}), "0.06563388"},
      {"centred in the other coil", Changed(Defaults(), {{&P::Deltaz, -0.004L}}), "0.06563388"},
      {"magnet in the gap", MagnetInTheGap(), "-5.989246"},
      {"vv -2", Changed(Defaults(), {{&P::vv, -2.0L}}), "11.06164"},
      {"Lambda 0.3", Changed(Defaults(), {{&P::Lambda, 0.3L}}), "-2.765411"},
      {"D 0.0002", Changed(Defaults(), {{&P::D, 0.0002L}}), "-1.382705"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.change);
    EXPECT_DIGITS_N(InducedEmf(c.p), c.emf, 7);
  }
}

TEST(InducedEmfTest, ZeroVelocityGivesExactlyZero) {
  TransducerParams p = Defaults();
  p.vv = 0.0L;
  EXPECT_EQ(InducedEmf(p), 0.0L);
}

// Each of vv, Lambda, Br and 1/D^2 enters as one factor, so scaling it by a
// power of two (or negating it) scales the EMF without any rounding.
TEST(InducedEmfTest, ExactlyProportionalToVelocityPackingRemanenceAndInverseWireSection) {
  struct Case {
    const char* change;
    long double TransducerParams::*field;
    long double fieldFactor;
    long double emfFactor;
  };
  const Case cases[] = {
      {"vv doubled", &TransducerParams::vv, 2.0L, 2.0L},
      {"vv reversed", &TransducerParams::vv, -1.0L, -1.0L},
      {"Lambda halved", &TransducerParams::Lambda, 0.5L, 0.5L},
      {"Br doubled", &TransducerParams::Br, 2.0L, 2.0L},
      {"D doubled", &TransducerParams::D, 2.0L, 0.25L},
      {"D negated", &TransducerParams::D, -1.0L, 1.0L},
  };
  for (const TransducerParams& base : {Defaults(), MagnetInTheGap()}) {
    const long double emf = InducedEmf(base);
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << c.change << ", R1 " << static_cast<double>(base.R1));
      TransducerParams p = base;
      p.*c.field = p.*c.field * c.fieldFactor;
      EXPECT_EQ(InducedEmf(p), emf * c.emfFactor);
    }
  }
}

// A named geometry of magnet and coils.
struct GeometryCase {
  const char* geometry;
  TransducerParams p;
};

// Negating Deltaz exchanges the two outer and the two inner end planes, so
// every grid point has the same four fields but subtracts them in the other
// order: the EMF agrees up to a few roundings, not always bit for bit.
TEST(InducedEmfTest, EvenInTheMagnetOffsetUpToRounding) {
  using P = TransducerParams;
  const GeometryCase cases[] = {
      {"Deltaz 0.001", Changed(Defaults(), {{&P::Deltaz, 0.001L}})},
      {"centred in one coil", Changed(Defaults(), {{&P::Deltaz, 0.004L}})},
      {"magnet in the gap", MagnetInTheGap()},
  };
  for (const GeometryCase& c : cases) {
    SCOPED_TRACE(c.geometry);
    const long double forward = InducedEmf(c.p);
    const long double backward = InducedEmf(Changed(c.p, {{&P::Deltaz, -c.p.Deltaz}}));
    EXPECT_LE(fabsl(forward - backward), 16.0L * LDBL_EPSILON * fabsl(forward));
  }
}

// The program shares the cosines and each term's distance and weight between
// the end planes; every value that reaches the result must still be the one
// the term-by-term evaluation gives.
TEST(InducedEmfTest, SameBitsAsTheTermByTermEvaluation) {
  using P = TransducerParams;
  const GeometryCase cases[] = {
      {"ring centred between the coils", Defaults()},
      {"cylinder, Deltaz 0.001", Changed(Defaults(), {{&P::D1, 0.0L}, {&P::Deltaz, 0.001L}})},
      {"ring in one coil, Deltaz -0.004, D negative, vv -2",
       Changed(Defaults(), {{&P::Deltaz, -0.004L}, {&P::D, -0.0001L}, {&P::vv, -2.0L}})},
      {"cylinder reaching into a coil, Deltaz -0.0025",
       Changed(Defaults(), {{&P::D1, 0.0L}, {&P::Deltaz, -0.0025L}})},
      {"ring in the gap, coil bore narrower than the magnet", MagnetInTheGap()},
      {"long coils, offset that moves only the inner end planes",
       Changed(Defaults(), {{&P::H, 0.1L}, {&P::Deltaz, 1e-21L}})},
  };
  for (const GeometryCase& c : cases) {
    SCOPED_TRACE(c.geometry);
    EXPECT_EQ(InducedEmf(c.p), LiteralInducedEmf(c.p));
  }
}

}  // namespace
