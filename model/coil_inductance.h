#pragma once

#include "calc/transducer_params.h"

// Self-inductance in henries of one multilayer coil: inner radius R1, outer
// radius R2, axial length x, wound with wire of diameter D at packing factor
// Lambda. Stores the coil's turns N(x) in p.N first, which the formula of the
// coil's shape regime then reads; so the calls must not overlap.
// Needs R2 > R1 > 0, x > 0 and D != 0.
long double CoilInductance(TransducerParams& p, long double R1, long double R2, long double x,
                           long double D, long double Lambda);
