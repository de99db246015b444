// The icon and the picture: size, palette, frame and the parts that must show.

#include <QImage>
#include <QSet>
#include <QtTest>

#include "app/classic_colors.h"
#include "app/transducer_drawing.h"
#include "gui_test_main.h"

namespace {

QSet<QRgb> Colours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      colours.insert(image.pixel(x, y));
    }
  }
  return colours;
}

bool FramedInBlack(const QImage& image) {
  const int last = image.width() - 1;
  for (int i = 0; i <= last; ++i) {
    for (const QRgb pixel :
         {image.pixel(i, 0), image.pixel(i, last), image.pixel(0, i), image.pixel(last, i)}) {
      if (pixel != kBlack) {
        return false;
      }
    }
  }
  return true;
}

// The rows in which `colour` appears at all, as [first, last]; {-1, -1} if nowhere.
QPair<int, int> RowsWith(const QImage& image, QRgb colour) {
  QPair<int, int> rows{-1, -1};
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == colour) {
        if (rows.first < 0) {
          rows.first = y;
        }
        rows.second = y;
      }
    }
  }
  return rows;
}

// Whether the pixels of `colour` are symmetric about the vertical line x = axis.
bool SymmetricAbout(const QImage& image, QRgb colour, int axis) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const int mirror = 2 * axis - x;
      const bool here = image.pixel(x, y) == colour;
      const bool there = mirror >= 0 && mirror < image.width() && image.pixel(mirror, y) == colour;
      if (here != there) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

class TransducerDrawingTest : public QObject {
  Q_OBJECT

 private slots:
  void icon() {
    const QImage icon = DrawTransducerIcon();
    QCOMPARE(icon.size(), QSize(32, 32));
    QCOMPARE(Colours(icon), QSet<QRgb>({kSilver, kBlack, kBlue, kRed}));
    QVERIFY(FramedInBlack(icon));
    QCOMPARE(icon.mirrored(true, false), icon);

    // The magnet: blue over red, with the arrow below it.
    const QPair<int, int> blue = RowsWith(icon, kBlue);
    const QPair<int, int> red = RowsWith(icon, kRed);
    QCOMPARE(blue.second + 1, red.first);
    for (int y = red.second + 2; y < 30; ++y) {
      QCOMPARE(icon.pixel(15, y), kBlack);
    }
  }

  void picture() {
    const QImage picture = DrawTransducerPicture();
    QCOMPARE(picture.size(), QSize(150, 150));
    QCOMPARE(Colours(picture), QSet<QRgb>({kSilver, kBlack, kBlue, kMaroon}));
    QVERIFY(FramedInBlack(picture));

    // The magnet's two sections, each blue above maroon, mirror images about the axis.
    const QPair<int, int> blue = RowsWith(picture, kBlue);
    const QPair<int, int> maroon = RowsWith(picture, kMaroon);
    QVERIFY(blue.first >= 0 && maroon.first >= 0);
    QVERIFY(blue.second < maroon.first);
    QVERIFY(SymmetricAbout(picture, kBlue, 75));
    QVERIFY(SymmetricAbout(picture, kMaroon, 75));
    QCOMPARE(picture.pixel(71, (blue.first + maroon.second) / 2), kSilver);  // the bore

    // The three lines of lettering fill the bottom third, below the drawing.
    int letteredRows = 0;
    for (int y = 102; y < 148; ++y) {
      for (int x = 2; x < 148; ++x) {
        if (picture.pixel(x, y) == kBlack) {
          ++letteredRows;
          break;
        }
      }
    }
    QVERIFY(letteredRows > 25);
  }
};

int main(int argc, char* argv[]) {
  return RunGuiTest<TransducerDrawingTest>(argc, argv);
}

#include "transducer_drawing_test.moc"
