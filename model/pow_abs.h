#pragma once

// The power function of the coil formulas: exp(exponent * ln|base|), so the
// sign of a negative base is dropped (PowAbs(-2, 3) is 8). A zero base gives 1
// for a zero exponent and 0 for any other, negative exponents included, and
// raises no floating-point error. Integer exponents go through the logarithm
// too, so PowAbs(k, 3) may differ from k * k * k in the last bits.
long double PowAbs(long double base, long double exponent);
