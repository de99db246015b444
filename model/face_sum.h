#pragma once

#include <array>
#include <cmath>
#include <cstddef>

#include "model/truncated_pi.h"

// The field of a current sheet on one of the magnet's cylindrical faces is
// integrated in closed form along the height and by a midpoint rule of 60
// azimuth points around the circumference.
inline constexpr int kAzimuthPoints = 60;

// Weight of every azimuth term: the angular step 2 pi / 60.
inline constexpr long double kAzimuthStep = (2.0L * kPi) / 60.0L;

// cos phi at the azimuth midpoints phi = ((i + 0.5) * 2 * pi) * (1/60). They
// are the same for every face and every field point, so they are computed
// once, on first use, and the face sums read them from here.
const std::array<long double, kAzimuthPoints>& AzimuthCosines();

// Face sums of the current sheet of diameter d on a magnet of height hh, seen
// from radius r at each of the axial positions z (measured from the magnet's
// mid-plane). The in-plane squared distance and the weight of an azimuth term
// depend on r, d and phi only, so all the z share them; each sum is still
// accumulated term by term in azimuth order, exactly as the face sum of its z
// alone.
template <std::size_t N>
std::array<long double, N> FaceSums(long double hh, long double r, long double d,
                                    const std::array<long double, N>& z) {
  // Axial distances from the field point to the sheet's two edges, and their
  // squares; they do not change around the circumference.
  std::array<long double, N> toNearEdge;  // hh/2 - z
  std::array<long double, N> toFarEdge;   // hh/2 + z
  std::array<long double, N> toNearEdgeSquared;
  std::array<long double, N> toFarEdgeSquared;
  for (std::size_t n = 0; n < N; ++n) {
    toNearEdge[n] = hh * 0.5L - z[n];
    toFarEdge[n] = hh * 0.5L + z[n];
    toNearEdgeSquared[n] = toNearEdge[n] * toNearEdge[n];
    toFarEdgeSquared[n] = toFarEdge[n] * toFarEdge[n];
  }

  const long double squaredRadii = r * r + (d * d) * 0.25L;
  const long double radiiProduct = r * d;
  const long double halfDiameter = d * 0.5L;
  const std::array<long double, kAzimuthPoints>& cosines = AzimuthCosines();

  std::array<long double, N> sums{};
  for (int i = 0; i < kAzimuthPoints; ++i) {
    const long double cosPhi = cosines[i];
    // Squared distance, in the cross-section's plane, from the field point to
    // the sheet's line at angle phi; positive for r >= 0 and d > 0.
    const long double rhoSquared = squaredRadii - cosPhi * radiiProduct;
    const long double weight = (kAzimuthStep * (halfDiameter - r * cosPhi)) / rhoSquared;
    for (std::size_t n = 0; n < N; ++n) {
      const long double alongHeight = toNearEdge[n] / sqrtl(rhoSquared + toNearEdgeSquared[n]) +
                                      toFarEdge[n] / sqrtl(rhoSquared + toFarEdgeSquared[n]);
      sums[n] = sums[n] + weight * alongHeight;
    }
  }
  return sums;
}
