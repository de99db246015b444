#pragma once

// One multilayer coil as the inductance formulas see it: its five arguments
// and the dimensionless ratios that pick its regime and feed its series.
struct CoilShape {
  long double R1 = 0.0L;      // inner radius of the winding, m
  long double R2 = 0.0L;      // outer radius of the winding, m
  long double x = 0.0L;       // axial length of the coil, m
  long double D = 0.0L;       // wire diameter, m
  long double Lambda = 0.0L;  // packing factor of the winding

  long double lenRatio = 0.0L;        // x / (R1 + R2): length over mean diameter
  long double axialCos = 0.0L;        // a / sqrt(a^2 + x^2), a the mean radius
  long double thickLenRatio = 0.0L;   // (R2 - R1) / x: radial depth over length
  long double radiusRatio = 0.0L;     // R1 / R2
  long double thickDiamRatio = 0.0L;  // (R2 - R1) / (R2 + R1): depth over mean diameter
};

// The shape of the coil with these arguments, each ratio with one rounding
// per operation, in the order of the fields.
CoilShape MakeCoilShape(long double R1, long double R2, long double x, long double D,
                        long double Lambda);
