#pragma once

#include <locale.h>

// The "C" locale as an object of its own. The conversions between numbers and
// texts use it explicitly, so they never follow the process locale, which Qt
// sets from the environment; the program's decimal separator is applied by
// hand.
locale_t CLocale();
