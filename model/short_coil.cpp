#include <cmath>

#include "model/coil_constants.h"
#include "model/coil_regimes.h"
#include "model/pow_abs.h"
#include "model/truncated_pi.h"

namespace {

constexpr long double kTwoPi = 2.0L * kPi;

}  // namespace

ShortCoilTerms EvaluateShortCoil(const CoilShape& shape, const TransducerParams& p) {
  const long double l = shape.lenRatio;
  const long double q = shape.thickLenRatio;
  const long double t = shape.thickDiamRatio;
  const long double radiusSum = shape.R1 + shape.R2;

  const long double l2 = l * l;
  const long double q2 = q * q;
  const long double t2 = t * t;
  const long double l2t2 = (l2 * t) * t;
  const long double q2t2 = (q2 * t) * t;
  const long double l4 = PowAbs(l, 4.0L);
  const long double q4 = PowAbs(q, 4.0L);
  const long double t4 = PowAbs(t, 4.0L);
  const long double logFourOverL = logl(4.0L / l);

  ShortCoilTerms terms;
  // The current sheet, to the fourth power of l.
  const long double A = (l2 * (1.0L / 8.0L) + 1.0L) - l4 * (1.0L / 64.0L);
  const long double B = A * logFourOverL - (1.0L / 2.0L) + l2 * (1.0L / 32.0L);
  terms.sheetSeries = (l4 * (1.0L / 96.0L) + B) * kTwoPi;

  // The radial depth, added term by term from the left; the two logarithms
  // multiply brackets of their own.
  const long double bracketOfLogFourOverL =
      t4 * (11.0L / 2880.0L) + (t2 * (1.0L / 24.0L) + l2t2 * (7.0L / 384.0L));
  const long double bracketOfLogOneOverQ = q2 * (1.0L / 6.0L) - q2t2 * (1.0L / 120.0L);
  terms.depthSeries = kPiOverThree * q                        //
                      - q2 * (25.0L / 72.0L)                  //
                      - t2 * (1.0L / 8.0L)                    //
                      + l2t2 * (19.0L / 768.0L)               //
                      - q4 * (1.0L / 180.0L)                  //
                      + q2t2 * (67.0L / 7200.0L)              //
                      - t4 * (17.0L / 3840.0L)                //
                      - logFourOverL * bracketOfLogFourOverL  //
                      - logl(1.0L / q) * bracketOfLogOneOverQ;

  terms.depthCorrection = terms.depthSeries * (((kTwoPiE7 * p.N) * p.N) * radiusSum);
  terms.sheetTerm = (((1e-7L * p.N) * p.N) * radiusSum) * terms.sheetSeries;
  return terms;
}

long double ShortCoilInductance(const CoilShape& shape, const TransducerParams& p) {
  const ShortCoilTerms terms = EvaluateShortCoil(shape, p);
  return terms.sheetTerm - terms.depthCorrection;
}
