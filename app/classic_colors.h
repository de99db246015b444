#pragma once

#include <QRgb>

// The colours of the drawings and captions, all from the classic 16-colour palette.
inline constexpr QRgb kSilver = 0xFFC0C0C0;
inline constexpr QRgb kBlack = 0xFF000000;
inline constexpr QRgb kBlue = 0xFF0000FF;
inline constexpr QRgb kMaroon = 0xFF800000;
inline constexpr QRgb kRed = 0xFFFF0000;
inline constexpr QRgb kPurple = 0xFF800080;
