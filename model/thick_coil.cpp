#include <cmath>

#include "model/coil_constants.h"
#include "model/coil_regimes.h"
#include "model/pow_abs.h"
#include "model/truncated_pi.h"

namespace {

constexpr long double kFourPi = 4.0L * kPi;

// K, the correction for the axial length; it depends on l, q and t only, and
// both thick formulas share it.
long double LengthSeries(const CoilShape& shape) {
  const long double l = shape.lenRatio;
  const long double q = shape.thickLenRatio;
  const long double t = shape.thickDiamRatio;

  const long double l2 = l * l;
  const long double l2t2 = (l2 * t) * t;
  const long double l4 = PowAbs(l, 4.0L);

  const long double E =
      ((l2 * (1.0L / 5.0L) + 1.0L) + l2t2 * (1.0L / 15.0L) - l4 * (2.0L / 35.0L)) *
      ((1.0L / q) * kPiOverThree);
  const long double F = (l2 * (1.0L / 8.0L) - l4 * (1.0L / 64.0L)) + l2t2 * (7.0L / 384.0L);
  const long double G = (l2 * (1.0L / 4.0L) + 1.0L) + l2t2 * (1.0L / 4.0L);

  return E                                             //
         - logl(4.0L / t) * F                          //
         - logl(q) * ((1.0L / ((q * 6.0L) * q)) * G)   //
         - l2 * (1.0L / 8.0L)                          //
         - (1.0L / (q * q)) * (25.0L / 72.0L)          //
         + l2t2 * (1.0L / 2304.0L)                     //
         - (1.0L / PowAbs(q, 4.0L)) * (1.0L / 180.0L)  //
         - (l2 / (q * q)) * (23.0L / 288.0L)           //
         - l4 * (31.0L / 2304.0L);
}

// Both terms in henries from the sheet series S and the length series K.
ThickCoilTerms ScaledTerms(long double sheetSeries, const CoilShape& shape,
                           const TransducerParams& p) {
  const long double radiusSum = shape.R1 + shape.R2;
  ThickCoilTerms terms;
  terms.sheetSeries = sheetSeries;
  terms.lengthSeries = LengthSeries(shape);
  terms.lengthCorrection = terms.lengthSeries * (((kTwoPiE7 * p.N) * p.N) * radiusSum);
  terms.sheetTerm = (((5e-8L * p.N) * p.N) * radiusSum) * terms.sheetSeries;
  return terms;
}

// The flat annular sheet as a series in t with a logarithmic term.
long double AnnularSheetSeries(const CoilShape& shape) {
  const long double t = shape.thickDiamRatio;
  const long double t2 = t * t;
  const long double t4 = PowAbs(t, 4.0L);

  const long double A = t4 * (11.0L / 2880.0L) + (t2 * (1.0L / 24.0L) + 1.0L);
  const long double B = A * logl(4.0L / t) - (1.0L / 2.0L) + t2 * (43.0L / 288.0L);
  return (t4 * (1.0L / 150.0L) + B) * kFourPi;
}

// The flat annular sheet of a small bore as a fit in r; the r^3 ln r term
// vanishes with the bore.
long double SmallBoreSheetFit(const CoilShape& shape) {
  const long double t = shape.thickDiamRatio;
  const long double r = shape.radiusRatio;

  const long double U = PowAbs(1.0L + t, 3.0L) / (t * t);
  const long double P = logl(r) * (3.29L * PowAbs(r, 3.0L))  //
                        + 1.7424L                            //
                        - 2.27L * PowAbs(r, 3.0L)            //
                        + 0.3702L * PowAbs(r, 5.0L)          //
                        + 0.0826L * PowAbs(r, 7.0L)          //
                        + 0.0312L * PowAbs(r, 9.0L);
  return P * U;
}

}  // namespace

ThickCoilTerms EvaluateThickCoil(const CoilShape& shape, const TransducerParams& p) {
  return ScaledTerms(AnnularSheetSeries(shape), shape, p);
}

long double ThickCoilInductance(const CoilShape& shape, const TransducerParams& p) {
  const ThickCoilTerms terms = EvaluateThickCoil(shape, p);
  return terms.sheetTerm - terms.lengthCorrection;
}

ThickCoilTerms EvaluateSmallBoreCoil(const CoilShape& shape, const TransducerParams& p) {
  return ScaledTerms(SmallBoreSheetFit(shape), shape, p);
}

long double SmallBoreCoilInductance(const CoilShape& shape, const TransducerParams& p) {
  const ThickCoilTerms terms = EvaluateSmallBoreCoil(shape, p);
  return terms.sheetTerm - terms.lengthCorrection;
}
