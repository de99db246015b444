#include "model/coil_inductance.h"

#include <atomic>

#include "model/coil_regimes.h"
#include "model/coil_shape.h"
#include "model/truncated_pi.h"

long double CoilInductance(TransducerParams& p, long double R1, long double R2, long double x,
                           long double D, long double Lambda) {
  // Turns of this coil: the winding section (R2 - R1) * x filled to Lambda
  // with wire of section pi * D^2 / 4.
  p.N = (((4.0L * Lambda) * (R2 - R1)) * x) / ((kPi * D) * D);
  // The models run with floating-point traps that jump out of the handler; a
  // trap in the ratio divisions below must still find N stored.
  std::atomic_signal_fence(std::memory_order_seq_cst);

  const CoilShape shape = MakeCoilShape(R1, R2, x, D, Lambda);
  // A ratio exactly at its threshold belongs to the regime of its own test.
  if (shape.lenRatio >= 0.75L) {
    return LongCoilInductance(shape, p);
  }
  if (shape.thickLenRatio <= 1.0L) {
    return ShortCoilInductance(shape, p);
  }
  if (shape.thickDiamRatio <= 0.5L) {
    return ThickCoilInductance(shape, p);
  }
  return SmallBoreCoilInductance(shape, p);
}
