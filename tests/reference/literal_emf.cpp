#include "tests/reference/literal_emf.h"

#include <cmath>

#include "model/truncated_pi.h"

namespace {

long double LiteralFaceSum(const TransducerParams& p, long double r, long double z, long double d) {
  const long double azimuthStep = (2.0L * kPi) / 60.0L;
  long double sum = 0.0L;
  for (int i = 0; i < 60; ++i) {
    const long double cosPhi = cosl(((i + 0.5L) * 2.0L * kPi) * (1.0L / 60.0L));
    const long double rhoSquared = (r * r + (d * d) * 0.25L) - cosPhi * (r * d);
    const long double weight = (azimuthStep * (d * 0.5L - r * cosPhi)) / rhoSquared;
    const long double a = p.hh * 0.5L - z;
    const long double b = p.hh * 0.5L + z;
    const long double alongHeight = a / sqrtl(rhoSquared + a * a) + b / sqrtl(rhoSquared + b * b);
    sum = sum + weight * alongHeight;
  }
  return sum;
}

}  // namespace

long double LiteralMagnetFieldZ(const TransducerParams& p, long double r, long double z,
                                long double Br) {
  const long double outerSum = LiteralFaceSum(p, r, z, p.D2);
  long double boreSum = 0.0L;
  if (p.D1 > 0.0L) {
    boreSum = LiteralFaceSum(p, r, z, p.D1);
  }
  return (p.D2 * outerSum - p.D1 * boreSum) * (Br * (1.0L / (8.0L * kPi)));
}

long double LiteralInducedEmf(const TransducerParams& p) {
  const long double radialStep = (p.R2 - p.R1) * 0.02L;
  long double sectionSum = 0.0L;
  for (int i = 0; i < 50; ++i) {
    const long double turnRadius = (i + 0.5L) * radialStep + p.R1;
    const long double discStep = turnRadius * 0.02L;
    long double discSum = 0.0L;
    for (int j = 0; j < 50; ++j) {
      const long double x = (j + 0.5L) * discStep;
      const long double f1 = LiteralMagnetFieldZ(p, x, (p.ss * 0.5L + p.H) + p.Deltaz, p.Br);
      const long double f2 = LiteralMagnetFieldZ(p, x, (p.ss * 0.5L + p.H) - p.Deltaz, p.Br);
      const long double f3 = LiteralMagnetFieldZ(p, x, p.ss * 0.5L + p.Deltaz, p.Br);
      const long double f4 = LiteralMagnetFieldZ(p, x, p.ss * 0.5L - p.Deltaz, p.Br);
      discSum = discSum + (((f1 + f2) - f3) - f4) * (x * discStep);
    }
    sectionSum = sectionSum + radialStep * discSum;
  }
  return (((p.Lambda * 8.0L) * p.vv) * sectionSum) / (p.D * p.D);
}
