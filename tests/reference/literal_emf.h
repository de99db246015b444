#pragma once

#include "calc/transducer_params.h"

// The magnet field and the EMF evaluated term by term as the formulas read: a
// cosine computed afresh in every azimuth term, and four separate field
// evaluations per grid point. Far too slow for the program; the tests compare
// the program's evaluation with it bit for bit, and the benchmark measures it.
long double LiteralMagnetFieldZ(const TransducerParams& p, long double r, long double z,
                                long double Br);
long double LiteralInducedEmf(const TransducerParams& p);
