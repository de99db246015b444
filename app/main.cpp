// quorvel: the desktop program, one window around the calculation request.

#include <QApplication>
#include <cstdio>

#include "app/application_setup.h"
#include "app/main_window.h"
#include "calc/decimal_separator.h"

namespace {

// Without any display Qt would abort with a message about platform plugins;
// an explicit QT_QPA_PLATFORM (offscreen, vnc ...) is left to Qt.
bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!HasDisplay()) {
    std::fputs(
        "quorvel: no display: neither DISPLAY nor WAYLAND_DISPLAY is set; "
        "to run it without a screen use a virtual one: xvfb-run -a quorvel\n",
        stderr);
    return 1;
  }

  const char decimalSeparator = ReadLocaleDecimalSeparator();
  QApplication application(argc, argv);
  SetUpApplication();

  TfmQuorvel10 fmQuorvel10(decimalSeparator);
  fmQuorvel10.show();
  return QApplication::exec();
}
