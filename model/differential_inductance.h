#pragma once

#include "calc/transducer_params.h"

// Inductance of the differential solenoid, the two coils of height H and gap
// ss in series opposition: 2 L(H) - L(2H + ss) + 2 L(H + ss) - L(ss), from
// the self-inductances of coils of the same section. Stores it in p.Ldif and
// leaves N(ss) of its last coil in p.N.
void DifferentialInductance(TransducerParams& p);
