#pragma once

#include <cfloat>

// The whole model works in the x87 80-bit extended format; a platform whose
// long double is anything else would silently give other digits.
static_assert(LDBL_MANT_DIG == 64, "long double must be the 80-bit x87 extended format");

// The values one calculation shares between the request and the models: the
// thirteen inputs in the order the request reads them, then the four results.
struct TransducerParams {
  long double D1 = 0.0L;      // bore diameter of the ring magnet (0: cylinder), m
  long double D2 = 0.0L;      // outer diameter of the magnet, m
  long double hh = 0.0L;      // height of the magnet, m
  long double Br = 0.0L;      // remanent induction of the magnet, T
  long double R1 = 0.0L;      // inner radius of the winding, m
  long double R2 = 0.0L;      // outer radius of the winding, m
  long double H = 0.0L;       // height of one coil, m
  long double ss = 0.0L;      // axial gap between the coils, m
  long double D = 0.0L;       // wire diameter, m
  long double Roe = 0.0L;     // resistivity of the wire, ohm*m
  long double Lambda = 0.0L;  // packing factor of the winding
  long double Deltaz = 0.0L;  // offset of the magnet from the solenoid's centre, m
  long double vv = 0.0L;      // axial velocity of the magnet, m/s
  long double N = 0.0L;       // turns of one coil (a real number)
  long double Rdif = 0.0L;    // resistance of the differential solenoid, ohm
  long double Ldif = 0.0L;    // inductance of the differential solenoid, H
  long double Edif = 0.0L;    // EMF induced by the moving magnet, V
};

inline constexpr int kInputCount = 13;
inline constexpr int kParamCount = 17;

// The fields in their fixed order, with the names the program uses for them;
// the first kInputCount are the inputs, in the order they are converted.
struct ParamField {
  const char* name;
  long double TransducerParams::*member;
};

inline constexpr ParamField kParamFields[kParamCount] = {
    {"D1", &TransducerParams::D1},         {"D2", &TransducerParams::D2},
    {"hh", &TransducerParams::hh},         {"Br", &TransducerParams::Br},
    {"R1", &TransducerParams::R1},         {"R2", &TransducerParams::R2},
    {"H", &TransducerParams::H},           {"ss", &TransducerParams::ss},
    {"D", &TransducerParams::D},           {"Roe", &TransducerParams::Roe},
    {"Lambda", &TransducerParams::Lambda}, {"Deltaz", &TransducerParams::Deltaz},
    {"vv", &TransducerParams::vv},         {"N", &TransducerParams::N},
    {"Rdif", &TransducerParams::Rdif},     {"Ldif", &TransducerParams::Ldif},
    {"Edif", &TransducerParams::Edif},
};

// The program's one parameter set, alive for the whole process. The window and
// the headless driver hand it to the calculation request; tests use their own.
extern TransducerParams transducerParams;
