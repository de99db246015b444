// NumberToText on every finite extended value: the text has the shape of the
// fixed or the scientific form, carries exactly the four significant digits
// of the value rounded half away from zero (worked out here from printf's
// exact digits), and reads back to that rounded value. Input: byte 0 picks
// the separator (bit 0: comma) and the caller's rounding mode (bits 1-2),
// bytes 1-10 are the value's x87 encoding.

#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "calc/number_to_text.h"
#include "fuzz/c_locale_parse.h"
#include "fuzz/fuzz_failure.h"

namespace {

constexpr size_t kEncodingSize = 10;
constexpr int kRoundingModes[] = {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO};

// Exponent field 0 with the integer bit set: a pseudo-denormal, which the x87
// reads but never produces. fpclassify calls it normal while printf takes it
// as a denormal, so it has no agreed value. Unnormals and pseudo-infinities
// classify as NaN and are skipped as non-finite.
bool IsPseudoDenormal(const uint8_t* encoding) {
  const bool integerBit = (encoding[7] & 0x80) != 0;
  const bool exponentZero = encoding[8] == 0 && (encoding[9] & 0x7f) == 0;
  return exponentZero && integerBit;
}

// The magnitude rounded to four significant digits: 0.digits * 10^e, digits
// without trailing zeros.
struct FourDigits {
  std::string digits;
  int e;
};

// printf's "%.*Le" digits of `magnitude`, correctly rounded to nearest.
std::string ScientificDigits(long double magnitude, int precision) {
  std::vector<char> buffer(static_cast<size_t>(precision) + 16);
  std::snprintf(buffer.data(), buffer.size(), "%.*Le", precision, magnitude);
  return buffer.data();
}

FourDigits RoundHalfAwayToFourDigits(long double magnitude) {
  // 40 digits decide every case but one: a tail that prints as exactly 5000...
  // may be a tie or lie just off one, so then take all the exact digits
  // (an extended value has fewer than 16500 significant ones).
  std::string scientific = ScientificDigits(magnitude, 40);
  size_t exponentMark = scientific.find('e');
  const std::string tail = scientific.substr(5, exponentMark - 5);
  if (tail == "5" + std::string(tail.size() - 1, '0')) {
    scientific = ScientificDigits(magnitude, 16500);
    exponentMark = scientific.find('e');
  }
  std::string digits = scientific.substr(0, 1) + scientific.substr(2, 3);
  int e = std::atoi(scientific.c_str() + exponentMark + 1) + 1;
  if (scientific[5] >= '5') {
    int i = 3;
    for (; i >= 0 && digits[i] == '9'; --i) {
      digits[i] = '0';
    }
    if (i < 0) {
      digits = "1000";
      ++e;
    } else {
      ++digits[i];
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);
  return {digits, e};
}

// The output split by its grammar: [-] whole [sep fraction] [E [-] exponent].
struct TextParts {
  bool negative = false;
  std::string whole;
  bool hasSeparator = false;
  std::string fraction;
  bool hasExponent = false;
  bool exponentNegative = false;
  std::string exponent;
};

std::string TakeDigits(std::string_view& text) {
  size_t n = 0;
  while (n < text.size() && text[n] >= '0' && text[n] <= '9') {
    ++n;
  }
  const std::string digits(text.substr(0, n));
  text.remove_prefix(n);
  return digits;
}

bool TakeChar(std::string_view& text, char c) {
  if (text.empty() || text.front() != c) {
    return false;
  }
  text.remove_prefix(1);
  return true;
}

TextParts SplitText(std::string_view whole, char separator) {
  std::string_view text = whole;
  TextParts parts;
  parts.negative = TakeChar(text, '-');
  parts.whole = TakeDigits(text);
  parts.hasSeparator = TakeChar(text, separator);
  if (parts.hasSeparator) {
    parts.fraction = TakeDigits(text);
  }
  parts.hasExponent = TakeChar(text, 'E');
  if (parts.hasExponent) {
    parts.exponentNegative = TakeChar(text, '-');
    parts.exponent = TakeDigits(text);
  }
  if (!text.empty() || parts.whole.empty()) {
    FuzzFailure("text is not [-]digits[sep digits][E[-]digits]", whole);
  }
  return parts;
}

void Expect(bool property, const char* what, const std::string& text) {
  if (!property) {
    FuzzFailure(what, text);
  }
}

void CheckShape(const TextParts& parts, const FourDigits& rounded, const std::string& text) {
  const bool scientific = rounded.e > 4 || rounded.e < -3;
  Expect(parts.hasExponent == scientific, "wrong choice of fixed or scientific form", text);
  Expect(parts.hasSeparator == !parts.fraction.empty(), "separator without digits after", text);
  Expect(parts.fraction.empty() || parts.fraction.back() != '0', "trailing zero", text);

  std::string significant = parts.whole + parts.fraction;
  significant.erase(0, significant.find_first_not_of('0'));
  significant.erase(significant.find_last_not_of('0') + 1);
  Expect(significant == rounded.digits, "digits are not the value's four rounded ones", text);

  if (scientific) {
    Expect(parts.whole.size() == 1 && parts.whole != "0", "not one leading digit", text);
    Expect(parts.exponentNegative == (rounded.e - 1 < 0), "wrong exponent sign", text);
    Expect(parts.exponent == std::to_string(std::abs(rounded.e - 1)), "wrong exponent", text);
  } else if (rounded.e > 0) {
    Expect(parts.whole.size() == static_cast<size_t>(rounded.e) && parts.whole[0] != '0',
           "whole part is not e digits", text);
  } else {
    Expect(parts.whole == "0", "no single 0 before the separator", text);
    Expect(parts.fraction.find_first_not_of('0') == static_cast<size_t>(-rounded.e),
           "not -e zeros before the digits", text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 + kEncodingSize) {
    return 0;
  }
  const char separator = (data[0] & 1) != 0 ? ',' : '.';
  const int callerRounding = kRoundingModes[(data[0] >> 1) & 3];
  long double value = 0.0L;
  std::memcpy(&value, data + 1, kEncodingSize);
  if (!std::isfinite(value) || IsPseudoDenormal(data + 1)) {
    return 0;
  }

  std::fesetround(callerRounding);
  const std::string text = NumberToText(value, separator);
  const int roundingAfter = std::fegetround();
  std::fesetround(FE_TONEAREST);
  Expect(roundingAfter == callerRounding, "changed the caller's rounding mode", text);

  if (!std::isnormal(value)) {
    Expect(text == "0", "zero or subnormal is not \"0\"", text);
    return 0;
  }
  const FourDigits rounded = RoundHalfAwayToFourDigits(std::fabs(value));
  const TextParts parts = SplitText(text, separator);
  Expect(parts.negative == std::signbit(value), "wrong sign", text);
  CheckShape(parts, rounded, text);

  const std::string roundedText =
      (std::signbit(value) ? "-0." : "0.") + rounded.digits + "e" + std::to_string(rounded.e);
  const std::optional<long double> readBack = ParseInCLocale(WithDecimalPoint(text, separator));
  Expect(readBack && *readBack == ParseInCLocale(roundedText).value(),
         "does not read back as the rounded value", text);
  return 0;
}
