#include "model/pow_abs.h"

#include <cmath>

long double PowAbs(long double base, long double exponent) {
  if (base == 0.0L) {
    // Decided before the logarithm, which would divide by zero.
    return exponent == 0.0L ? 1.0L : 0.0L;
  }
  return expl(exponent * logl(fabsl(base)));
}
