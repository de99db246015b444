#pragma once

#include <string>

// The general format with four significant digits, as the result fields show
// numbers: the exact binary value rounded half away from zero, trailing zeros
// dropped, scientific form ("1.235E4", "9.999E-5") when the decimal exponent
// is above 4 or below -3, fixed form otherwise; zero and subnormals give "0".
std::string NumberToText(long double value, char decimalSeparator);
