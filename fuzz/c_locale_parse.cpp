#include "fuzz/c_locale_parse.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>

std::string WithDecimalPoint(std::string_view text, char decimalSeparator) {
  std::string pointed(text);
  std::replace(pointed.begin(), pointed.end(), decimalSeparator, '.');
  return pointed;
}

std::optional<long double> ParseInCLocale(const std::string& text) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  char* end = nullptr;
  const long double value = strtold_l(text.c_str(), &end, cLocale);
  if (text.empty() || end != text.c_str() + text.size()) {
    return std::nullopt;
  }
  return value;
}
