#include "model/magnet_field.h"

long double MagnetFieldZ(const TransducerParams& p, long double r, long double z, long double Br) {
  return MagnetFieldsZ<1>(p, r, {z}, Br)[0];
}
