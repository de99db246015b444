#include "model/winding.h"

#include "model/truncated_pi.h"

long double WindingTurns(const TransducerParams& p) {
  const long double numerator = ((p.H * 4.0L) * (p.R2 - p.R1)) * p.Lambda;
  return numerator / ((kPi * p.D) * p.D);
}

long double WindingResistance(const TransducerParams& p) {
  const long double radialSquares = p.R2 * p.R2 - p.R1 * p.R1;
  const long double numerator = (radialSquares * (((p.Roe * 16.0L) * p.Lambda) * p.H)) * 2.0L;
  return numerator / ((((kPi * p.D) * p.D) * p.D) * p.D);
}
