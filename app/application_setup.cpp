#include "app/application_setup.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QStyle>

#include "app/transducer_drawing.h"

void SetUpApplication() {
  // The name becomes the window class and matches the desktop entry quorvel.desktop.
  QApplication::setApplicationName(QStringLiteral("quorvel"));
  QGuiApplication::setDesktopFileName(QStringLiteral("quorvel"));

  // One built-in style with its own palette, so that the window looks the same
  // whatever desktop theme is installed.
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setPalette(QApplication::style()->standardPalette());

  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(DrawTransducerIcon())));
}
