#include "calc/text_to_number.h"

#include "calc/c_locale.h"

#include <stdlib.h>

#include <cmath>
#include <string>

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!text.empty() && isBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && isBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

std::optional<long double> TextToNumber(std::string_view text, char decimalSeparator) {
  text = TrimBlanks(text);
  // The validated number is rewritten in the "C" form for strtold_l.
  std::string canonical;
  canonical.reserve(text.size() + 2);
  size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    canonical += text[pos++];
  }

  bool separatorSeen = false;
  bool mantissaDigits = false;
  while (pos < text.size()) {
    const char c = text[pos];
    if (IsDigit(c)) {
      mantissaDigits = true;
      canonical += c;
    } else if (c == decimalSeparator && !separatorSeen) {
      separatorSeen = true;
      canonical += '.';
    } else {
      break;
    }
    ++pos;
  }
  if (!mantissaDigits && !separatorSeen) {
    return std::nullopt;  // empty text, a sign alone, or no mantissa at all
  }
  if (!mantissaDigits) {
    canonical += '0';  // "." and "-." are zero
  }

  if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
    ++pos;
    std::string exponent = "e";
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      exponent += text[pos++];
    }
    int exponentSoFar = 0;
    bool exponentDigits = false;
    while (pos < text.size() && IsDigit(text[pos]) && exponentSoFar < 500) {
      exponentSoFar = exponentSoFar * 10 + (text[pos] - '0');
      exponent += text[pos++];
      exponentDigits = true;
    }
    if (exponentDigits) {
      canonical += exponent;  // "1E" and "1E+" have no exponent at all
    }
  }
  if (pos != text.size()) {
    return std::nullopt;
  }

  char* end = nullptr;
  const long double value = strtold_l(canonical.c_str(), &end, CLocale());
  if (end != canonical.c_str() + canonical.size() || std::isinf(value)) {
    return std::nullopt;
  }
  return value;
}
