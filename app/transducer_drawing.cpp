#include "app/transducer_drawing.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QString>

#include "app/classic_colors.h"

namespace {

QImage SilverImage(int size) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(kSilver);
  return image;
}

// Both drawings are pixel art in a few palette colours: no smoothing anywhere.
void UseBlackPen(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(QColor(kBlack), 1));
  painter.setBrush(Qt::NoBrush);
}

// The outline covering exactly `r` (QPainter's outline of a rect is one pixel wider and taller).
void DrawBox(QPainter& painter, const QRect& r) {
  painter.drawRect(r.adjusted(0, 0, -1, -1));
}

// A winding in section: a framed rectangle crossed by both diagonals.
void DrawCoilSection(QPainter& painter, const QRect& r) {
  DrawBox(painter, r);
  painter.drawLine(r.topLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomLeft());
}

// The same rectangle reflected in the vertical line x = axis2 / 2.
QRect Mirrored(const QRect& r, int axis2) {
  return QRect(axis2 - r.right(), r.top(), r.width(), r.height());
}

// A solid arrowhead with its tip at `tip`, pointing along `direction`, a unit step along x or y.
void DrawArrowhead(QPainter& painter, QPoint tip, QPoint direction) {
  const QPoint back = tip - direction * 4;
  const QPoint side(direction.y() * 2, direction.x() * 2);
  const QPoint head[] = {tip, back + side, back - side};
  painter.setBrush(QColor(kBlack));
  painter.drawPolygon(head, 3);
  painter.setBrush(Qt::NoBrush);
}

// A horizontal or vertical dimension line whose arrowheads touch both ends.
void DrawDimension(QPainter& painter, QPoint from, QPoint to) {
  painter.drawLine(from, to);
  const QPoint delta = to - from;
  const QPoint step(delta.x() > 0 ? 1 : (delta.x() < 0 ? -1 : 0),
                    delta.y() > 0 ? 1 : (delta.y() < 0 ? -1 : 0));
  DrawArrowhead(painter, from, -step);
  DrawArrowhead(painter, to, step);
}

// Monochrome serif lettering: the glyphs stay pure black, without grey edges.
QFont LetteringFont(int pixelSize) {
  QFont font(QStringLiteral("Liberation Serif"));
  font.setStyleHint(QFont::Serif, QFont::NoAntialias);
  font.setPixelSize(pixelSize);
  return font;
}

void DrawLettering(QPainter& painter, const QRect& box, Qt::Alignment alignment, const char* text) {
  painter.drawText(box, alignment | Qt::AlignTop, QString::fromUtf8(text));
}

// The magnet's section on one side of its bore, magnetised along the axis.
void DrawMagnetSection(QPainter& painter, const QRect& r) {
  const int upperHeight = r.height() / 2;
  painter.fillRect(QRect(r.left(), r.top(), r.width(), upperHeight), QColor(kBlue));
  painter.fillRect(QRect(r.left(), r.top() + upperHeight, r.width(), r.height() - upperHeight),
                   QColor(kMaroon));
  DrawBox(painter, r);
}

}  // namespace

QImage DrawTransducerIcon() {
  constexpr int kSize = 32;
  constexpr int kMirror = kSize - 1;  // reflects x into kSize - 1 - x
  QImage image = SilverImage(kSize);
  QPainter painter(&image);
  UseBlackPen(painter);
  DrawBox(painter, QRect(0, 0, kSize, kSize));

  for (const QRect& coil : {QRect(3, 3, 9, 9), QRect(3, 13, 9, 9)}) {
    DrawCoilSection(painter, coil);
    DrawCoilSection(painter, Mirrored(coil, kMirror));
  }

  // The magnet, level with the gap between the coils.
  painter.fillRect(QRect(13, 7, 6, 6), QColor(kBlue));
  painter.fillRect(QRect(13, 13, 6, 6), QColor(kRed));

  // The arrow below it: a head widening downwards over a two-pixel shaft.
  for (int row = 0; row < 4; ++row) {
    painter.fillRect(QRect(15 - row, 20 + row, 2 + 2 * row, 1), QColor(kBlack));
  }
  painter.fillRect(QRect(15, 24, 2, 6), QColor(kBlack));
  return image;
}

QImage DrawTransducerPicture() {
  constexpr int kSize = 150;
  constexpr int kAxisX = 75;
  constexpr int kMirror = 2 * kAxisX;
  // Coil sections: the upper coil, a gap of s, the lower coil, on the left of the
  // axis; the right ones are their mirror images.
  const QRect upperCoil(24, 18, 22, 36);
  const QRect lowerCoil(24, 64, 22, 36);
  // The magnet's left section, level with the gap and inside the coils' bore.
  const QRect magnet(55, 47, 14, 24);

  QImage image = SilverImage(kSize);
  QPainter painter(&image);
  UseBlackPen(painter);
  DrawBox(painter, QRect(0, 0, kSize, kSize));

  QPen axisPen(QColor(kBlack), 1, Qt::CustomDashLine);
  axisPen.setDashPattern({6, 2, 1, 2});
  painter.setPen(axisPen);
  painter.drawLine(kAxisX, 4, kAxisX, 100);
  UseBlackPen(painter);

  for (const QRect& coil : {upperCoil, lowerCoil}) {
    DrawCoilSection(painter, coil);
    DrawCoilSection(painter, Mirrored(coil, kMirror));
  }
  DrawMagnetSection(painter, magnet);
  DrawMagnetSection(painter, Mirrored(magnet, kMirror));

  const int innerLeft = upperCoil.right();
  const int outerRight = Mirrored(upperCoil, kMirror).right();
  const int boreLeft = magnet.right();
  const int boreRight = Mirrored(magnet, kMirror).left();
  const int magnetRight = Mirrored(magnet, kMirror).right();

  // R1 and R2 along the top, measured from the axis.
  painter.drawLine(innerLeft, 11, innerLeft, upperCoil.top() - 1);
  painter.drawLine(outerRight, 11, outerRight, upperCoil.top() - 1);
  DrawDimension(painter, QPoint(innerLeft, 14), QPoint(kAxisX, 14));
  DrawDimension(painter, QPoint(kAxisX, 14), QPoint(outerRight, 14));

  // H and s at the left edge.
  for (const int y : {upperCoil.top(), upperCoil.bottom(), lowerCoil.top()}) {
    painter.drawLine(5, y, upperCoil.left() - 1, y);
  }
  DrawDimension(painter, QPoint(8, upperCoil.top()), QPoint(8, upperCoil.bottom()));
  DrawDimension(painter, QPoint(8, upperCoil.bottom()), QPoint(8, lowerCoil.top()));

  // D1 across the bore, D2 below the magnet.
  DrawDimension(painter, QPoint(boreLeft, 51), QPoint(boreRight, 51));
  painter.drawLine(magnet.left(), magnet.bottom() + 1, magnet.left(), magnet.bottom() + 8);
  painter.drawLine(magnetRight, magnet.bottom() + 1, magnetRight, magnet.bottom() + 8);
  DrawDimension(painter, QPoint(magnet.left(), 77), QPoint(magnetRight, 77));

  painter.setFont(LetteringFont(11));
  DrawLettering(painter, QRect(50, 2, 20, 11), Qt::AlignHCenter, "R1");
  DrawLettering(painter, QRect(90, 2, 20, 11), Qt::AlignHCenter, "R2");
  DrawLettering(painter, QRect(11, 29, 12, 12), Qt::AlignLeft, "H");
  DrawLettering(painter, QRect(12, 52, 10, 12), Qt::AlignLeft, "s");
  DrawLettering(painter, QRect(52, 34, 21, 11), Qt::AlignRight, "D1");
  DrawLettering(painter, QRect(78, 79, 20, 11), Qt::AlignLeft, "D2");

  painter.setFont(LetteringFont(12));
  DrawLettering(painter, QRect(4, 102, 144, 15), Qt::AlignLeft, "Высота магнита h");
  DrawLettering(painter, QRect(4, 117, 144, 15), Qt::AlignLeft, "Осевая скорость v");
  DrawLettering(painter, QRect(4, 132, 144, 15), Qt::AlignLeft, "Сдвиг Delta z");
  return image;
}
