#pragma once

#include <optional>
#include <string_view>

// Removes every character with a code from 0 to 32 from both ends.
std::string_view TrimBlanks(std::string_view text);

// Converts one input text to the extended value nearest to it. Accepted, after
// trimming: [+|-] mantissa [(E|e) [+|-] digits], where the mantissa is digits
// with at most one decimal separator among, before or after them ("." alone is
// zero). Exponent digits are read only while the exponent so far is below 500.
// Fails (nullopt) on anything else and on a magnitude beyond the extended
// range; a magnitude below the normal range gives a subnormal or zero.
std::optional<long double> TextToNumber(std::string_view text, char decimalSeparator);
