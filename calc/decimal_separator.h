#pragma once

// The first character of the decimal separator of the system's default locale
// (LC_ALL, LC_NUMERIC or LANG), or '.' where none is reported or the locale is
// not available. Read once at program start; the program never changes it.
char ReadLocaleDecimalSeparator();
