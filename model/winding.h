#pragma once

#include "calc/transducer_params.h"

// Turns of one coil of height H: the winding section (R2 - R1) * H filled to
// the fraction Lambda with wire of section pi * D^2 / 4.
long double WindingTurns(const TransducerParams& p);

// Resistance of both coils in series: Roe times the total wire length over the
// wire section.
long double WindingResistance(const TransducerParams& p);
