#include "model/magnet_field.h"

#include <gtest/gtest.h>

#include "tests/default_inputs.h"
#include "tests/reference/literal_emf.h"
#include "tests/reference_digits.h"

namespace {

TransducerParams MagnetWithBore(long double D1) {
  TransducerParams p = DefaultInputs();
  p.D1 = D1;
  return p;
}

constexpr long double kBr = 0.9L;

struct FieldPoint {
  long double r;
  long double z;
};

// Points on the axis, on the outer face and its rim, on the bore face, inside
// the magnet, beyond the end faces, outside the ring and far away.
const FieldPoint kPoints[] = {
    {0.0L, 0.0L},       {0.0L, 0.002L},      {0.0045L, 0.0L},   {0.0045L, 0.0015L},
    {0.002L, 0.0L},     {0.001L, 0.002L},    {0.003L, 0.0035L}, {0.0L, 0.1L},
    {0.003L, 0.0007L},  {0.0045L, -0.0015L}, {0.002L, -0.004L}, {0.00005L, 0.006L},
    {0.0075L, 0.0055L}, {0.0062L, -0.0005L}, {0.03L, 0.02L},    {0.0001L, -0.0015L},
};

TEST(MagnetFieldTest, RingGivesReferenceFieldsOnAndOffTheAxis) {
  struct Case {
    long double r;
    long double z;
    const char* field;
  };
  const Case cases[] = {
      {0.0L, 0.0L, "-0.255395010585"},      {0.0L, 0.002L, "-0.0549892933416"},
      {0.0L, -0.002L, "-0.0549892933416"},  {0.0045L, 0.0L, "0.181130936910"},
      {0.0045L, 0.0015L, "0.135096627137"}, {0.002L, 0.0L, "0.0741405102485"},
      {0.001L, 0.002L, "-0.0348361121385"}, {0.003L, 0.0035L, "0.0981672075984"},
      {0.0L, 0.1L, "2.186769623e-5"},
  };
  const TransducerParams p = DefaultInputs();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "r " << static_cast<double>(c.r) << ", z " << static_cast<double>(c.z));
    EXPECT_DIGITS(MagnetFieldZ(p, c.r, c.z, kBr), c.field);
  }
}

TEST(MagnetFieldTest, CylinderHasNoBoreTermForAnyBoreDiameterUpToZero) {
  const TransducerParams cylinder = MagnetWithBore(0.0L);
  // On the axis at the centre: Br * (hh/2) / sqrt((D2/2)^2 + (hh/2)^2).
  EXPECT_DIGITS(MagnetFieldZ(cylinder, 0.0L, 0.0L, kBr), "0.284604989415");

  const TransducerParams negativeBore = MagnetWithBore(-0.001L);
  for (const FieldPoint& point : kPoints) {
    SCOPED_TRACE(testing::Message()
                 << "r " << static_cast<double>(point.r) << ", z " << static_cast<double>(point.z));
    EXPECT_EQ(MagnetFieldZ(negativeBore, point.r, point.z, kBr),
              MagnetFieldZ(cylinder, point.r, point.z, kBr));
  }
}

TEST(MagnetFieldTest, EvenInZAndExactlyProportionalToBr) {
  for (const TransducerParams& p : {DefaultInputs(), MagnetWithBore(0.0L)}) {
    SCOPED_TRACE(testing::Message() << "D1 " << static_cast<double>(p.D1));
    for (const FieldPoint& point : kPoints) {
      SCOPED_TRACE(testing::Message() << "r " << static_cast<double>(point.r) << ", z "
                                      << static_cast<double>(point.z));
      const long double field = MagnetFieldZ(p, point.r, point.z, kBr);
      EXPECT_EQ(MagnetFieldZ(p, point.r, -point.z, kBr), field);
      // Br enters as one factor: doubling or negating it scales without rounding.
      EXPECT_EQ(MagnetFieldZ(p, point.r, point.z, 2.0L * kBr), 2.0L * field);
      EXPECT_EQ(MagnetFieldZ(p, point.r, point.z, -kBr), -field);
    }
  }
}

TEST(MagnetFieldTest, SameBitsAsTheTermByTermEvaluation) {
  TransducerParams thinRing = DefaultInputs();
  thinRing.D1 = 0.0085L;
  thinRing.hh = 0.012L;
  for (const TransducerParams& p :
       {DefaultInputs(), MagnetWithBore(0.0L), MagnetWithBore(-0.001L), thinRing}) {
    SCOPED_TRACE(testing::Message()
                 << "D1 " << static_cast<double>(p.D1) << ", hh " << static_cast<double>(p.hh));
    for (const FieldPoint& point : kPoints) {
      SCOPED_TRACE(testing::Message() << "r " << static_cast<double>(point.r) << ", z "
                                      << static_cast<double>(point.z));
      EXPECT_EQ(MagnetFieldZ(p, point.r, point.z, kBr),
                LiteralMagnetFieldZ(p, point.r, point.z, kBr));
      // Several axial positions at once, as the EMF grid evaluates them.
      const std::array<long double, 4> z = {point.z, -point.z, point.z + 0.001L, point.z - 0.003L};
      const std::array<long double, 4> fields = MagnetFieldsZ(p, point.r, z, kBr);
      for (std::size_t n = 0; n < z.size(); ++n) {
        EXPECT_EQ(fields[n], LiteralMagnetFieldZ(p, point.r, z[n], kBr)) << "z[" << n << "]";
      }
    }
  }
}

}  // namespace
