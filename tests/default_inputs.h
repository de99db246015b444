#pragma once

#include "calc/transducer_params.h"

// The window's default inputs, each the extended value nearest its text; the
// velocity is 0 and the results are 0, as before the first calculation.
inline TransducerParams DefaultInputs() {
  TransducerParams p;
  p.D1 = 0.004L;
  p.D2 = 0.009L;
  p.hh = 0.003L;
  p.Br = 0.9L;
  p.R1 = 0.005L;
  p.R2 = 0.01L;
  p.H = 0.005L;
  p.ss = 0.001L;
  p.D = 0.0001L;
  p.Roe = 1.67E-8L;
  p.Lambda = 0.6L;
  p.Deltaz = 0.0L;
  p.vv = 0.0L;
  return p;
}
