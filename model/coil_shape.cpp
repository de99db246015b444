#include "model/coil_shape.h"

#include <cmath>

CoilShape MakeCoilShape(long double R1, long double R2, long double x, long double D,
                        long double Lambda) {
  CoilShape shape;
  shape.R1 = R1;
  shape.R2 = R2;
  shape.x = x;
  shape.D = D;
  shape.Lambda = Lambda;
  shape.lenRatio = x / (R1 + R2);
  shape.axialCos = 1.0L / sqrtl((4.0L * shape.lenRatio) * shape.lenRatio + 1.0L);
  shape.thickLenRatio = (R2 - R1) / x;
  shape.radiusRatio = R1 / R2;
  shape.thickDiamRatio = (R2 - R1) / (R2 + R1);
  return shape;
}
