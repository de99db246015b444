#include <cmath>

#include "model/coil_regimes.h"
#include "model/pow_abs.h"

namespace {

// The constants built from pi = 3.1415926, each written as a quotient of
// integers so that it rounds once.
constexpr long double kEightOverThreePi = 80000000.0L / 94247778.0L;
constexpr long double kTwoOverThreePi = 20000000.0L / 94247778.0L;
constexpr long double kOneOverThirtyPi = 1000000.0L / 94247778.0L;
constexpr long double kOneOver336Pi = 10000000.0L / 10555751136.0L;
constexpr long double kPiSquared = 9.86960406437476L;
// mu0 * pi = 4 pi^2 1e-7.
constexpr long double kMu0Pi = 3.947841625749904e-6L;

// The coefficients of k^3, k^5, ..., k^13 of each series, signs included.
constexpr int kOddPowerCount = 6;
using OddPowerCoefficients = long double[kOddPowerCount];

constexpr OddPowerCoefficients kNagaokaCoefficients = {
    -1.0L / 8.0L, 1.0L / 16.0L, -15.0L / 128.0L, 21.0L / 128.0L, -315.0L / 1024.0L, 297.0L / 512.0L,
};
constexpr OddPowerCoefficients kB2Coefficients = {
    -5.0L / 12.0L,  2.0L / 3.0L,       -95.0L / 64.0L,
    217.0L / 64.0L, -2135.0L / 256.0L, 21571.0L / 1024.0L,
};
constexpr OddPowerCoefficients kB4Coefficients = {
    17.0L / 90.0L,       -53.0L / 48.0L,  1265.0L / 288.0L,
    -38857.0L / 2304.0L, 3913.0L / 64.0L, 2206281.0L / 10240.0L,
};
constexpr OddPowerCoefficients kB6Coefficients = {
    1.0L / 60.0L,     -15.0L / 56.0L,    1117.0L / 336.0L,
    -1183.0L / 48.0L, 76461.0L / 512.0L, -4043831.0L / 5120.0L,
};

// leading + c[0] k^3 + c[1] k^5 + ... + c[5] k^13, added from k^3 upwards.
long double AddOddPowers(long double leading, long double k,
                         const OddPowerCoefficients& coefficients) {
  long double sum = leading;
  for (int i = 0; i < kOddPowerCount; ++i) {
    const long double exponent = 3 + 2 * i;
    sum = sum + PowAbs(k, exponent) * coefficients[i];
  }
  return sum;
}

}  // namespace

LongCoilTerms EvaluateLongCoil(const CoilShape& shape, const TransducerParams& p) {
  const long double l = shape.lenRatio;
  const long double k = shape.axialCos;
  const long double t = shape.thickDiamRatio;
  const long double radiusSum = shape.R1 + shape.R2;
  const long double g = logl(4.0L / t);

  LongCoilTerms terms;
  // mu0 pi a^2 N^2 K / x, with K = nagaokaSum / (2 l).
  terms.nagaokaSum = AddOddPowers((1.0L / k) - kEightOverThreePi, k, kNagaokaCoefficients);
  terms.sheetTerm =
      (((1e-7L * p.N) * p.N) * radiusSum) * (terms.nagaokaSum * (kPiSquared / ((2.0L * l) * l)));

  terms.B2 =
      AddOddPowers((g - (23.0L / 12.0L)) * kTwoOverThreePi + k * (1.0L / 3.0L), k, kB2Coefficients);
  terms.B4 = AddOddPowers((g - (1.0L / 20.0L)) * kOneOverThirtyPi - k * (1.0L / 18.0L), k,
                          kB4Coefficients);
  terms.B6 =
      AddOddPowers((g * (23.0L / 20.0L) - (4547.0L / 5600.0L)) * kOneOver336Pi, k, kB6Coefficients);

  // mu0 pi N^2 a^3 depthSum / x^2.
  terms.depthSum = (((4.0L / 3.0L) * l) * t)          //
                   - ((((2.0L / 3.0L) * l) * t) * t)  //
                   - terms.B2 * (t * t)               //
                   + terms.B4 * PowAbs(t, 4.0L)       //
                   + terms.B6 * PowAbs(t, 6.0L);
  terms.depthCorrection =
      terms.depthSum * ((((kMu0Pi * p.N) * p.N) * radiusSum) / ((8.0L * l) * l));
  return terms;
}

long double LongCoilInductance(const CoilShape& shape, const TransducerParams& p) {
  const LongCoilTerms terms = EvaluateLongCoil(shape, p);
  return terms.sheetTerm - terms.depthCorrection;
}
