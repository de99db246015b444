#pragma once

// The four regime formulas of the coil self-inductance, used by CoilInductance
// only. Each takes the coil's shape and reads its turns N from the parameter
// set, where CoilInductance has just stored them. The terms of each formula
// are kept in a record, so that they can be checked one by one; the
// inductance is the difference of its last two fields.

#include "calc/transducer_params.h"
#include "model/coil_shape.h"

// A long coil (lenRatio >= 0.75): a current sheet at the mean radius with
// Nagaoka's coefficient, less a correction for the radial depth.
struct LongCoilTerms {
  long double nagaokaSum = 0.0L;       // Nagaoka's coefficient times 2 * lenRatio
  long double B2 = 0.0L;               // coefficient of thickDiamRatio^2 in depthSum
  long double B4 = 0.0L;               // coefficient of thickDiamRatio^4 in depthSum
  long double B6 = 0.0L;               // coefficient of thickDiamRatio^6 in depthSum
  long double depthSum = 0.0L;         // the depth series in thickDiamRatio
  long double sheetTerm = 0.0L;        // H
  long double depthCorrection = 0.0L;  // H
};
LongCoilTerms EvaluateLongCoil(const CoilShape& shape, const TransducerParams& p);
long double LongCoilInductance(const CoilShape& shape, const TransducerParams& p);

// A short coil (lenRatio < 0.75, thickLenRatio <= 1): the short-coil series of
// a current sheet, less a correction for the radial depth.
struct ShortCoilTerms {
  long double sheetSeries = 0.0L;      // S: the current sheet's inductance over 1e-7 N^2 (R1 + R2)
  long double depthSeries = 0.0L;      // K: the depth correction over 2 pi 1e-7 N^2 (R1 + R2)
  long double sheetTerm = 0.0L;        // H
  long double depthCorrection = 0.0L;  // H
};
ShortCoilTerms EvaluateShortCoil(const CoilShape& shape, const TransducerParams& p);
long double ShortCoilInductance(const CoilShape& shape, const TransducerParams& p);

// A thick coil (radial depth greater than the length): a flat annular current
// sheet, less a correction for the axial length. The two thick formulas differ
// in the sheet only; the length correction is the same.
struct ThickCoilTerms {
  long double sheetSeries = 0.0L;       // S: the annular sheet's inductance over 5e-8 N^2 (R1 + R2)
  long double lengthSeries = 0.0L;      // K: the length correction over 2 pi 1e-7 N^2 (R1 + R2)
  long double sheetTerm = 0.0L;         // H
  long double lengthCorrection = 0.0L;  // H
};
// thickDiamRatio <= 0.5: the sheet from a series in thickDiamRatio.
ThickCoilTerms EvaluateThickCoil(const CoilShape& shape, const TransducerParams& p);
long double ThickCoilInductance(const CoilShape& shape, const TransducerParams& p);
// thickDiamRatio > 0.5, a bore under a third of the outer radius: the sheet
// from a fit in radiusRatio.
ThickCoilTerms EvaluateSmallBoreCoil(const CoilShape& shape, const TransducerParams& p);
long double SmallBoreCoilInductance(const CoilShape& shape, const TransducerParams& p);
