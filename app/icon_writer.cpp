// Writes the program icon as a PNG file, for the desktop integration.

#include <QImage>
#include <QString>
#include <cstdio>

#include "app/transducer_drawing.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fputs("usage: quorvel-icon-writer OUTPUT.png\n", stderr);
    return 2;
  }
  if (!DrawTransducerIcon().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "quorvel-icon-writer: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
