#include "calc/input_checks.h"

#include <cmath>

const char* FirstFailedCheck(const TransducerParams& p) {
  if (!(p.R1 > 0.0L)) {
    return "Введите R1 > 0";
  }
  if (!(p.D1 >= 0.0L)) {
    return "Введите D1 >= 0";
  }
  if (!(p.D2 > p.D1)) {
    return "Введите D2 > D1";
  }
  if (!(p.hh > 0.0L)) {
    return "Введите h > 0";
  }
  if (!(p.Br > 0.0L)) {
    return "Введите Br > 0";
  }
  if (!(p.R2 > p.R1)) {
    return "Введите R2 > R1";
  }
  if (!(p.D < p.R2 - p.R1)) {
    return "Введите D < R2 - R1";
  }
  if (!(p.D < p.H)) {
    return "Введите D < H";
  }
  if (!(p.ss > 0.0L)) {
    return "Введите s > 0";
  }
  if (!(p.Lambda > 0.0L)) {
    return "Введите Lambda > 0";
  }
  if (!(p.Lambda < 1.0L)) {
    return "Введите Lambda < 1";
  }
  // The magnet must clear the winding: inside the coils' bore, or, at its
  // offset, inside the gap between them. The gap test runs only when needed.
  if (!(p.R1 > 0.5L * p.D2 || p.ss > 2.0L * std::fabs(p.Deltaz) + p.hh)) {
    return "Введите R1 > 0.5D2 или s > h + 2 |Delta z|";
  }
  if (!(p.Roe > 0.0L)) {
    return "Введите Roe > 0";
  }
  return nullptr;
}
