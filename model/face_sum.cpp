#include "model/face_sum.h"

namespace {

// The run-time library's extended cosine, reached through a pointer the
// compiler cannot see through: the angles are constants, and the compiler
// would otherwise fold them with its own correctly rounded cosine, which can
// differ from the library's in the last bit and would make the results depend
// on the optimisation level.
long double (*const volatile libraryCosine)(long double) = cosl;

}  // namespace

const std::array<long double, kAzimuthPoints>& AzimuthCosines() {
  static const std::array<long double, kAzimuthPoints> cosines = [] {
    std::array<long double, kAzimuthPoints> table{};
    for (int i = 0; i < kAzimuthPoints; ++i) {
      table[i] = libraryCosine(((i + 0.5L) * 2.0L * kPi) * (1.0L / 60.0L));
    }
    return table;
  }();
  return cosines;
}
