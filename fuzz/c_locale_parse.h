#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text with every decimal separator replaced by a point, as strtold
// reads it in the "C" locale.
std::string WithDecimalPoint(std::string_view text, char decimalSeparator);

// strtold_l in the "C" locale, the reference for correct rounding. Nullopt
// unless the whole text is read; an overflow gives an infinity.
std::optional<long double> ParseInCLocale(const std::string& text);
