#pragma once

#include "calc/transducer_params.h"

// EMF, in volts, that the magnet moving along the axis at vv induces in the
// differential solenoid: the flux of the magnet through the turns of the four
// coil end planes, integrated over the winding section by a 50 x 50 midpoint
// grid, outer ends counted positive and inner ends negative. Negative for
// vv > 0 with the magnet centred between the coils; the request stores its
// negation as Edif.
long double InducedEmf(const TransducerParams& p);
