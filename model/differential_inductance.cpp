#include "model/differential_inductance.h"

#include "model/coil_inductance.h"

void DifferentialInductance(TransducerParams& p) {
  // L1 + L2 - 2M with L1 = L2 = L(H) and 2M = L(2H + ss) + L(ss) - 2 L(H + ss).
  long double inductance = CoilInductance(p, p.R1, p.R2, p.H, p.D, p.Lambda) * 2.0L;
  inductance = inductance - CoilInductance(p, p.R1, p.R2, (p.H + p.H) + p.ss, p.D, p.Lambda);
  inductance = inductance + CoilInductance(p, p.R1, p.R2, p.H + p.ss, p.D, p.Lambda) * 2.0L;
  inductance = inductance - CoilInductance(p, p.R1, p.R2, p.ss, p.D, p.Lambda);
  p.Ldif = inductance;
}
