#pragma once

#include <array>
#include <cstddef>

#include "calc/transducer_params.h"
#include "model/face_sum.h"

// 1/(8 pi): turns the diameter-weighted face sums into tesla. The sheet current
// Br/mu0 and the mu0 of Biot-Savart cancel, so only Br remains.
inline constexpr long double kFieldScale = 1.0L / (8.0L * kPi);

// Axial flux density B_z, in tesla, at radius r and at each axial position z
// (from the magnet's mid-plane) of the ring magnet D1, D2, hh with remanent
// induction Br: the outer sheet's face sum minus the bore sheet's, each
// weighted by its diameter. A cylinder (D1 <= 0) has no bore sheet and its sum
// is not evaluated at all: with d = 0 on the axis it would be 0/0.
template <std::size_t N>
std::array<long double, N> MagnetFieldsZ(const TransducerParams& p, long double r,
                                         const std::array<long double, N>& z, long double Br) {
  const std::array<long double, N> outerSums = FaceSums(p.hh, r, p.D2, z);
  std::array<long double, N> boreSums{};
  if (p.D1 > 0.0L) {
    boreSums = FaceSums(p.hh, r, p.D1, z);
  }
  const long double scale = Br * kFieldScale;
  std::array<long double, N> fields;
  for (std::size_t n = 0; n < N; ++n) {
    fields[n] = (p.D2 * outerSums[n] - p.D1 * boreSums[n]) * scale;
  }
  return fields;
}

// B_z at the single point (r, z); even in z, proportional to Br. A positive
// value points along the magnetisation.
long double MagnetFieldZ(const TransducerParams& p, long double r, long double z, long double Br);
