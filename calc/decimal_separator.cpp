#include "calc/decimal_separator.h"

#include <langinfo.h>
#include <locale.h>

char ReadLocaleDecimalSeparator() {
  // A locale object of its own: the process locale is left as it is.
  const locale_t system = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (system == static_cast<locale_t>(nullptr)) {
    return '.';
  }
  const char* radix = nl_langinfo_l(RADIXCHAR, system);
  const char separator = (radix != nullptr && radix[0] != '\0') ? radix[0] : '.';
  freelocale(system);
  return separator;
}
