#include "calc/number_to_text.h"

#include <locale.h>

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "calc/c_locale.h"

namespace {

struct FourDigits {
  int digits[4];  // d1 d2 d3 d4 of 0.d1d2d3d4 * 10^e, d1 != 0
  int e;
};

// Rounds |value| (finite, normal) to four significant digits, halves away
// from zero. printf rounds the exact binary value in the current rounding
// mode; toward zero it yields the first five digits exactly truncated, and the
// fifth digit alone then decides: 5 or more is at least half a unit of the
// fourth digit. (Rounding to nearest would turn the exact tie 12345 into 1234.)
FourDigits RoundToFourDigits(long double magnitude) {
  const int savedRounding = std::fegetround();
  const locale_t savedLocale =
      uselocale(CLocale());  // a '.' at buffer[1], whatever the process locale
  std::fesetround(FE_TOWARDZERO);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.4Le", magnitude);  // "d.dddde±x"
  std::fesetround(savedRounding);
  uselocale(savedLocale);

  FourDigits r;
  const int fifth = buffer[5] - '0';
  r.digits[0] = buffer[0] - '0';
  r.digits[1] = buffer[2] - '0';
  r.digits[2] = buffer[3] - '0';
  r.digits[3] = buffer[4] - '0';
  r.e = std::atoi(buffer + 7) + 1;
  if (fifth >= 5) {
    int i = 3;
    while (i >= 0 && r.digits[i] == 9) {
      r.digits[i--] = 0;
    }
    if (i >= 0) {
      ++r.digits[i];
    } else {  // 9999.6 -> 1E4
      r.digits[0] = 1;
      ++r.e;
    }
  }
  return r;
}

}  // namespace

std::string NumberToText(long double value, char decimalSeparator) {
  const int kind = std::fpclassify(value);
  if (kind == FP_ZERO || kind == FP_SUBNORMAL) {
    return "0";
  }
  if (kind != FP_NORMAL) {  // never a result: overflow and invalid trap first
    return std::isnan(value) ? "NAN" : (std::signbit(value) ? "-INF" : "INF");
  }

  const FourDigits r = RoundToFourDigits(std::fabs(value));
  int count = 4;
  while (r.digits[count - 1] == 0) {
    --count;  // d1 is never 0, so this stops
  }
  auto digit = [&](int i) { return static_cast<char>('0' + r.digits[i]); };

  std::string text = std::signbit(value) ? "-" : "";
  if (r.e > 4 || r.e < -3) {
    text += digit(0);
    if (count > 1) {
      text += decimalSeparator;
      for (int i = 1; i < count; ++i) {
        text += digit(i);
      }
    }
    text += 'E';
    text += std::to_string(r.e - 1);
  } else if (r.e > 0) {
    for (int i = 0; i < r.e; ++i) {
      text += i < count ? digit(i) : '0';
    }
    if (count > r.e) {
      text += decimalSeparator;
      for (int i = r.e; i < count; ++i) {
        text += digit(i);
      }
    }
  } else {
    text += '0';
    text += decimalSeparator;
    text.append(static_cast<size_t>(-r.e), '0');
    for (int i = 0; i < count; ++i) {
      text += digit(i);
    }
  }
  return text;
}
