#include "model/induced_emf.h"

#include <array>

#include "model/magnet_field.h"

namespace {

// Midpoints across the winding's radius, and across each turn's disc.
constexpr int kGridPoints = 50;
constexpr long double kGridFraction = 1.0L / 50.0L;
static_assert(kGridFraction == 0.02L, "the grid factor 0.02 is the extended value nearest 1/50");

// Axial positions of the four end planes relative to the magnet, in the order
// they enter the sum: outer end of the coil on the - side, outer end on the +
// side, inner end on the - side, inner end on the + side. The field is even in
// z, so the - side's planes are taken at their mirror images.
using EndPlanes = std::array<long double, 4>;

EndPlanes EndPlanePositions(const TransducerParams& p) {
  const long double halfGap = p.ss * 0.5L;
  return {(halfGap + p.H) + p.Deltaz, (halfGap + p.H) - p.Deltaz, halfGap + p.Deltaz,
          halfGap - p.Deltaz};
}

// B_z at radius x in the four end planes. When the two outer planes and the
// two inner planes coincide bit for bit (the magnet centred between the
// coils), their fields are identical too, and two evaluations serve all four.
EndPlanes EndPlaneFields(const TransducerParams& p, long double x, const EndPlanes& z,
                         bool planesPairUp) {
  if (planesPairUp) {
    const std::array<long double, 2> pair = MagnetFieldsZ<2>(p, x, {z[0], z[2]}, p.Br);
    return {pair[0], pair[0], pair[1], pair[1]};
  }
  return MagnetFieldsZ<4>(p, x, z, p.Br);
}

}  // namespace

long double InducedEmf(const TransducerParams& p) {
  const EndPlanes z = EndPlanePositions(p);
  const bool planesPairUp = z[0] == z[1] && z[2] == z[3];

  const long double radialStep = (p.R2 - p.R1) * kGridFraction;
  long double sectionSum = 0.0L;  // P: the signed end-plane fluxes over the section, / 2 pi
  for (int i = 0; i < kGridPoints; ++i) {
    const long double turnRadius = (i + 0.5L) * radialStep + p.R1;
    const long double discStep = turnRadius * kGridFraction;
    long double discSum = 0.0L;  // Q: the signed fluxes through this ring of turns, / 2 pi
    for (int j = 0; j < kGridPoints; ++j) {
      const long double x = (j + 0.5L) * discStep;
      const EndPlanes fields = EndPlaneFields(p, x, z, planesPairUp);
      discSum = discSum + (((fields[0] + fields[1]) - fields[2]) - fields[3]) * (x * discStep);
    }
    sectionSum = sectionSum + radialStep * discSum;
  }
  // vv times the turn density 4 Lambda / (pi D^2) times the 2 pi of the disc
  // flux: the pi cancel, 8 Lambda vv / D^2 remains.
  return (((p.Lambda * 8.0L) * p.vv) * sectionSum) / (p.D * p.D);
}
