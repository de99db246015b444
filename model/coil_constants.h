#pragma once

#include "model/truncated_pi.h"

// Constants the short- and thick-coil formulas share.

// pi / 3, rounded once from the truncated pi.
inline constexpr long double kPiOverThree = kPi / 3.0L;

// mu0 / 2 = 2 pi 1e-7, the scale of the depth and length corrections.
inline constexpr long double kTwoPiE7 = 6.2831852e-7L;
