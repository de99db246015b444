#pragma once

// The models use pi truncated to eight digits, never the full-precision value;
// every constant built from pi is an expression in this one.
inline constexpr long double kPi = 3.1415926L;
