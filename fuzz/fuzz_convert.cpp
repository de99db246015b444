// TextToNumber against a matcher of the input grammar written apart from it
// and against strtold_l: every accepted text is grammatical, every
// grammatical text in range is accepted, and the value is the correctly
// rounded one. Input: the first byte ',' picks a comma separator (anything
// else a point), the rest is the text.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/text_to_number.h"
#include "fuzz/c_locale_parse.h"
#include "fuzz/fuzz_failure.h"

namespace {

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

std::string_view WithoutOuterBlanks(std::string_view text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank).base();
  return first < last ? std::string_view(first, last) : std::string_view();
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Removes a leading "+" or "-" from `text` and returns it ("" if none).
std::string TakeSign(std::string_view& text) {
  if (text.empty() || (text.front() != '+' && text.front() != '-')) {
    return "";
  }
  const std::string sign(1, text.front());
  text.remove_prefix(1);
  return sign;
}

// Digits are read while the exponent so far is below 500, so all of them are
// read exactly when the number formed by all but the last is below 500.
bool ExponentReadInFull(std::string_view digits) {
  std::string_view allButLast = digits.substr(0, digits.empty() ? 0 : digits.size() - 1);
  allButLast.remove_prefix(std::min(allButLast.find_first_not_of('0'), allButLast.size()));
  return allButLast.size() < 3 || (allButLast.size() == 3 && allButLast < "500");
}

// The text in strtold's "C" form if it is grammatical, else nullopt. Split at
// the first "E" or "e" into mantissa and exponent, each checked on its own.
std::optional<std::string> GrammaticalInCForm(std::string_view text, char decimalSeparator) {
  text = WithoutOuterBlanks(text);
  const size_t exponentMark = text.find_first_of("Ee");
  std::string_view mantissa = text.substr(0, exponentMark);
  const std::string sign = TakeSign(mantissa);
  if (mantissa.empty()) {
    return std::nullopt;
  }
  const size_t separator = mantissa.find(decimalSeparator);
  const std::string_view wholePart = mantissa.substr(0, separator);
  const std::string_view fractionPart =
      separator == std::string_view::npos ? std::string_view() : mantissa.substr(separator + 1);
  if (!AllDigits(wholePart) || !AllDigits(fractionPart)) {
    return std::nullopt;
  }
  std::string cForm = sign;
  if (wholePart.empty() && fractionPart.empty()) {
    cForm += '0';  // the separator alone
  } else {
    cForm += std::string(wholePart) + '.' + std::string(fractionPart);
  }

  if (exponentMark == std::string_view::npos) {
    return cForm;
  }
  std::string_view exponent = text.substr(exponentMark + 1);
  const std::string exponentSign = TakeSign(exponent);
  if (!AllDigits(exponent) || !ExponentReadInFull(exponent)) {
    return std::nullopt;
  }
  if (!exponent.empty()) {  // "1E" and "1E+" are 1
    cForm += 'e' + exponentSign + std::string(exponent);
  }
  return cForm;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  const char separator = data[0] == ',' ? ',' : '.';
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

  const std::optional<long double> got = TextToNumber(text, separator);
  const std::optional<std::string> cForm = GrammaticalInCForm(text, separator);
  if (!cForm) {
    if (got) {
      FuzzFailure("accepted a text outside the grammar", text);
    }
    return 0;
  }
  const std::optional<long double> expected = ParseInCLocale(*cForm);
  if (!expected) {
    FuzzFailure("strtold_l did not read the whole normalised text", *cForm);
  }
  if (std::isinf(*expected)) {
    if (got) {
      FuzzFailure("accepted a magnitude beyond the extended range", text);
    }
    return 0;
  }
  if (!got) {
    FuzzFailure("rejected a grammatical text in range", text);
  }
  if (*got != *expected || std::signbit(*got) != std::signbit(*expected)) {
    FuzzFailure("value differs from the correctly rounded one", text);
  }
  return 0;
}
