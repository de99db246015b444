#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

// Compares an extended value with a reference printed to some number of
// significant digits: both are rounded to that many digits and the decimal
// texts must be the same. "0.05517807410607819" checks 16 digits.
inline int SignificantDigits(const std::string& reference) {
  int count = 0;
  bool leading = true;
  for (char c : reference) {
    if (c == 'e' || c == 'E') {
      break;
    }
    if (!std::isdigit(static_cast<unsigned char>(c))) {
      continue;
    }
    if (leading && c == '0') {
      continue;
    }
    leading = false;
    ++count;
  }
  return count;
}

inline std::string RoundedDigits(long double value, int digits) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%.*Le", digits - 1, value);
  return buffer;
}

inline ::testing::AssertionResult MatchesDigits(const char* valueExpr, const char* referenceExpr,
                                                long double value, const std::string& reference,
                                                int digits) {
  const long double expected = std::strtold(reference.c_str(), nullptr);
  const std::string got = RoundedDigits(value, digits);
  const std::string want = RoundedDigits(expected, digits);
  if (got == want) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << valueExpr << " = " << RoundedDigits(value, 21) << " differs from " << referenceExpr
         << " in its first " << digits << " significant digits: " << got << " vs " << want;
}

// EXPECT_DIGITS(value, "1909.859349681432"): all digits the reference shows.
#define EXPECT_DIGITS(value, reference)                                         \
  EXPECT_PRED_FORMAT2(                                                          \
      [](const char* ve, const char* re, long double v, const std::string& r) { \
        return MatchesDigits(ve, re, v, r, SignificantDigits(r));               \
      },                                                                        \
      value, std::string(reference))

// EXPECT_DIGITS_N(value, "0.003594998088082914", 12): only the first n digits.
#define EXPECT_DIGITS_N(value, reference, n)                                               \
  EXPECT_PRED_FORMAT2([](const char* ve, const char* re, long double v,                    \
                         const std::string& r) { return MatchesDigits(ve, re, v, r, n); }, \
                      value, std::string(reference))
