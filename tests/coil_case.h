#pragma once

#include "calc/transducer_params.h"
#include "model/coil_inductance.h"
#include "model/coil_shape.h"

// The five arguments of one coil, each the extended value nearest its text.
struct CoilArgs {
  long double R1;
  long double R2;
  long double x;
  long double D;
  long double Lambda;
};

// One coil as CoilInductance sees it: its inductance, the parameter set with
// the turns it stored, and its shape, ready to hand to a regime formula.
struct EvaluatedCoil {
  TransducerParams p;
  CoilShape shape;
  long double inductance = 0.0L;
};

inline EvaluatedCoil EvaluateCoil(const CoilArgs& a) {
  EvaluatedCoil coil;
  coil.inductance = CoilInductance(coil.p, a.R1, a.R2, a.x, a.D, a.Lambda);
  coil.shape = MakeCoilShape(a.R1, a.R2, a.x, a.D, a.Lambda);
  return coil;
}
