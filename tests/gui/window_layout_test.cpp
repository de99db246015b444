// The main window's controls: names, parents, places, texts, fonts and the
// window's own size and frame.

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRawFont>
#include <QScreen>
#include <QSet>
#include <QtTest>
#include <memory>

#include "app/main_window.h"
#include "app/panel_box.h"
#include "app/transducer_drawing.h"
#include "gui_test_main.h"

namespace {

enum Kind { kPicture, kPanel, kLabel, kEdit, kButton };
constexpr bool kPrefix = true;

struct ExpectedControl {
  const char* name;
  Kind kind;
  const char* panel;          // nullptr: placed on the window itself
  QRect geometry;             // relative to the parent's outer top-left corner
  const char* text;           // caption, title or initial text
  bool textIsPrefix = false;  // the contact lines: only their beginning is fixed
};

const ExpectedControl kExpectedControls[] = {
    {"iMV", kPicture, nullptr, {16, 16, 153, 153}, ""},
    {"gb_01", kPanel, nullptr, {184, 8, 241, 73}, "Программа Quorvel V1.0:"},
    {"gb_02", kPanel, nullptr, {440, 8, 161, 73}, "Контактная информация:"},
    {"gb_03", kPanel, nullptr, {184, 96, 209, 73}, "Остаточная индукция Br, Тл:"},
    {"gb_04", kPanel, nullptr, {408, 96, 193, 73}, "Фактор упаковки Lambda:"},
    {"gb_05", kPanel, nullptr, {16, 176, 289, 137}, "Параметры кольцевого магнита:"},
    {"gb_06", kPanel, nullptr, {16, 320, 289, 241}, "Параметры дифференциального соленоида:"},
    {"gb_10", kPanel, nullptr, {320, 176, 281, 33}, "Удельное сопротивление Roe, Ом * м:"},
    {"gb_07", kPanel, nullptr, {320, 216, 281, 73}, "Пространственные параметры магнита:"},
    {"gb_09", kPanel, nullptr, {320, 296, 281, 73}, "Осевая скорость v колеблющегося магнита:"},
    {"gb_08", kPanel, nullptr, {320, 376, 281, 121}, "Расчетные значения:"},
    {"eReady", kEdit, nullptr, {320, 504, 281, 21}, "Готов ..."},
    {"bCalc", kButton, nullptr, {320, 536, 75, 25}, "Расчет"},
    {"bClear", kButton, nullptr, {424, 536, 75, 25}, "Очистить"},
    {"BitBtn1", kButton, nullptr, {528, 536, 75, 25}, "Выход"},
    {"l_11", kLabel, "gb_01", {8, 16, 214, 13}, "Магнитоэлектрический преобразователь:"},
    {"l_12", kLabel, "gb_01", {8, 32, 217, 13}, " движущийся кольцевой (цилиндрический)"},
    {"l_13", kLabel, "gb_01", {8, 48, 209, 13}, "магнит в дифференциальном соленоиде"},
    {"l_21", kLabel, "gb_02", {8, 16, 145, 13}, "", kPrefix},
    {"l_22", kLabel, "gb_02", {8, 32, 145, 13}, "E-mail: ", kPrefix},
    {"l_23", kLabel, "gb_02", {8, 48, 145, 13}, "Сайт: ", kPrefix},
    {"l_31", kLabel, "gb_03", {8, 16, 193, 13}, "Феррит бария, стронция 0.2 ... 0.4"},
    {"l_32", kLabel, "gb_03", {8, 32, 193, 13}, "Самарий-кобальт 0.8 ... 1.0"},
    {"l_33", kLabel, "gb_03", {8, 48, 193, 13}, "Неодим-железо-бор 1.0 ... 1.2"},
    {"l_41", kLabel, "gb_04", {8, 16, 177, 13}, "Намотка внавал 0.5 ... 0.6"},
    {"l_42", kLabel, "gb_04", {8, 32, 177, 13}, "Намотка виток к витку 0.6 ... 0.7"},
    {"l_43", kLabel, "gb_04", {8, 48, 177, 13}, "Намотка шиной 0.7 ... 0.8"},
    {"l_51", kLabel, "gb_05", {8, 16, 195, 13}, "(для цилиндрического магнита D1 = 0)"},
    {"eD1", kEdit, "gb_05", {8, 32, 65, 21}, "0.004"},
    {"lD1", kLabel, "gb_05", {80, 40, 201, 13}, "Диаметр отверстия D1, м"},
    {"eD2", kEdit, "gb_05", {8, 56, 65, 21}, "0.009"},
    {"lD2", kLabel, "gb_05", {80, 64, 201, 13}, "Внешний диаметр магнита D2, м"},
    {"ehh", kEdit, "gb_05", {8, 80, 65, 21}, "0.003"},
    {"lhh", kLabel, "gb_05", {80, 88, 201, 13}, "Высота магнита h, м"},
    {"eBr", kEdit, "gb_05", {8, 104, 65, 21}, "0.9"},
    {"lBr", kLabel, "gb_05", {80, 112, 201, 13}, "Остаточная индукция Br, Тл"},
    {"l_61", kLabel, "gb_06", {8, 16, 232, 13}, "Дифф. соленоид состоит из двух одинаковых"},
    {"l_62", kLabel, "gb_06", {8, 32, 242, 13}, "катушек со встречным направлением намотки,"},
    {"l_63", kLabel, "gb_06", {8, 48, 224, 13}, "катушки включены в цепь последовательно"},
    {"eR1", kEdit, "gb_06", {8, 64, 65, 21}, "0.005"},
    {"lR1", kLabel, "gb_06", {80, 72, 201, 13}, "Внутренний радиус R1, м"},
    {"eR2", kEdit, "gb_06", {8, 88, 65, 21}, "0.01"},
    {"lR2", kLabel, "gb_06", {80, 96, 201, 13}, "Внешний радиус R2, м"},
    {"eH", kEdit, "gb_06", {8, 112, 65, 21}, "0.005"},
    {"lH", kLabel, "gb_06", {80, 120, 201, 13}, "Высота одной катушки H, м"},
    {"ess", kEdit, "gb_06", {8, 136, 65, 21}, "0.001"},
    {"lss", kLabel, "gb_06", {80, 144, 201, 13}, "Расстояние между катушками s, м"},
    {"eD", kEdit, "gb_06", {8, 160, 65, 21}, "0.0001"},
    {"lD", kLabel, "gb_06", {80, 168, 201, 13}, "Диаметр провода D, м"},
    {"eRoe", kEdit, "gb_06", {8, 184, 65, 21}, "1.67E-8"},
    {"l_67", kLabel, "gb_06", {80, 192, 193, 13}, "Удельное сопротивление Roe, Ом * м"},
    {"eLambda", kEdit, "gb_06", {8, 208, 65, 21}, "0.6"},
    {"lLambda", kLabel, "gb_06", {80, 216, 201, 13}, "Фактор упаковки Lambda (<1)"},
    {"l_101", kLabel, "gb_10", {8, 16, 81, 13}, "Медь 1.67E-8"},
    {"l_102", kLabel, "gb_10", {88, 16, 93, 13}, "Алюминий 2.69E-8"},
    {"l_103", kLabel, "gb_10", {192, 16, 81, 13}, "Железо 9.71E-8"},
    {"eDeltaz", kEdit, "gb_07", {8, 16, 65, 21}, "0"},
    {"lDeltaZ", kLabel, "gb_07", {80, 24, 193, 13}, "Сдвиг относительно центра Delta z, м"},
    {"evv", kEdit, "gb_07", {8, 40, 65, 21}, "0"},
    {"lvv", kLabel, "gb_07", {80, 48, 193, 13}, "Осевая скорость v, м/с"},
    {"l_91",
     kLabel,
     "gb_09",
     {8, 16, 263, 13},
     "Если магнит совершает колебания с частотой f (Гц)"},
    {"l_92", kLabel, "gb_09", {8, 32, 229, 13}, "и амплитудой A (м), то амплитуда его осевой"},
    {"l_93",
     kLabel,
     "gb_09",
     {8, 48, 240, 13},
     "скорости v = 2 Pi A f (м/с), где Pi = 3.1415926 ..."},
    {"eN", kEdit, "gb_08", {8, 16, 65, 21}, ""},
    {"l_81", kLabel, "gb_08", {80, 24, 193, 13}, "Число витков (на одну катушку)"},
    {"eRdif", kEdit, "gb_08", {8, 40, 65, 21}, ""},
    {"l_82", kLabel, "gb_08", {80, 48, 193, 13}, "Сопротивление дифф. соленоида, Ом"},
    {"eLdif", kEdit, "gb_08", {8, 64, 65, 21}, ""},
    {"l_83", kLabel, "gb_08", {80, 72, 193, 13}, "Индуктивность дифф. соленоида, Гн"},
    {"eEdif", kEdit, "gb_08", {8, 88, 65, 21}, ""},
    {"lE0", kLabel, "gb_08", {80, 96, 193, 13}, "ЭДС, В"},
};

QString ShownText(const QWidget* control) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
    return edit->text();
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
    return button->text();
  }
  if (const auto* box = qobject_cast<const QGroupBox*>(control)) {
    return box->title();
  }
  if (const auto* label = qobject_cast<const QLabel*>(control)) {
    return label->text();
  }
  return {};
}

bool HasKind(const QWidget* control, Kind kind) {
  switch (kind) {
    case kPicture: {
      const auto* label = qobject_cast<const QLabel*>(control);
      return label != nullptr && !label->pixmap().isNull();
    }
    case kPanel:
      return qobject_cast<const QGroupBox*>(control) != nullptr;
    case kLabel:
      return qobject_cast<const QLabel*>(control) != nullptr;
    case kEdit:
      return qobject_cast<const QLineEdit*>(control) != nullptr;
    case kButton:
      return qobject_cast<const QPushButton*>(control) != nullptr;
  }
  return false;
}

// One past the rightmost pixel the text inks when drawn from x = 0 in `font`.
int InkWidth(const QFont& font, const QString& text) {
  const QFontMetrics metrics(font);
  QImage image(metrics.horizontalAdvance(text) + 20, metrics.height(), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(0, metrics.ascent(), text);
  }
  int width = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = width; x < image.width(); ++x) {
      if (image.pixel(x, y) != qRgb(255, 255, 255)) {
        width = x + 1;
      }
    }
  }
  return width;
}

// The controls the layout created, without Qt's own internal helpers.
QList<QWidget*> NamedControls(const QWidget& window) {
  QList<QWidget*> controls;
  for (QWidget* child : window.findChildren<QWidget*>()) {
    if (!child->objectName().startsWith(QLatin1String("qt_"))) {
      controls.append(child);
    }
  }
  return controls;
}

}  // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = std::make_unique<TfmQuorvel10>('.'); }
  void cleanup() { window_.reset(); }

  void control_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kExpectedControls)); ++row) {
      QTest::newRow(kExpectedControls[row].name) << row;
    }
  }

  void control() {
    QFETCH(int, row);
    const ExpectedControl& expected = kExpectedControls[row];
    const QList<QWidget*> found = window_->findChildren<QWidget*>(QLatin1String(expected.name));
    QCOMPARE(found.size(), 1);
    const QWidget* control = found.front();

    QVERIFY(HasKind(control, expected.kind));
    const QWidget* parent = control->parentWidget();
    if (expected.panel == nullptr) {
      QCOMPARE(parent, window_.get());
    } else {
      QVERIFY(qobject_cast<const QGroupBox*>(parent) != nullptr);
      QCOMPARE(parent->objectName(), QLatin1String(expected.panel));
    }
    QCOMPARE(control->geometry(), expected.geometry);

    const QString text = ShownText(control);
    const QString expectedText = QString::fromUtf8(expected.text);
    if (expected.textIsPrefix) {
      QVERIFY2(text.startsWith(expectedText) && text.size() > expectedText.size(),
               qPrintable(text));
    } else {
      QCOMPARE(text, expectedText);
    }

    const bool takesFocus = expected.kind == kEdit || expected.kind == kButton;
    QCOMPARE(control->focusPolicy() != Qt::NoFocus, takesFocus);
  }

  void noOtherControls() {
    QSet<QString> expected;
    for (const ExpectedControl& control : kExpectedControls) {
      expected.insert(QLatin1String(control.name));
    }
    QSet<QString> built;
    for (const QWidget* control : NamedControls(*window_)) {
      built.insert(control->objectName());
    }
    QCOMPARE(built, expected);
  }

  void clientAreaIsFixed() {
    QCOMPARE(window_->size(), QSize(616, 574));
    QCOMPARE(window_->minimumSize(), QSize(616, 574));
    QCOMPARE(window_->maximumSize(), QSize(616, 574));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Quorvel V1.0"));

    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(window_->isWindow());
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  }

  void noControlBeyondTheClientArea() {
    const QRect client = window_->rect();
    int right = 0;
    int bottom = 0;
    for (const QWidget* control : NamedControls(*window_)) {
      QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
               qPrintable(control->objectName()));
      const QRect onWindow(control->mapTo(window_.get(), QPoint(0, 0)), control->size());
      QVERIFY2(client.contains(onWindow), qPrintable(control->objectName()));
      right = std::max(right, onWindow.left() + onWindow.width());
      bottom = std::max(bottom, onWindow.top() + onWindow.height());
    }
    // BitBtn1 reaches furthest right; gb_06 and the buttons lowest.
    QCOMPARE(right, 603);
    QCOMPARE(bottom, 561);
  }

  void centredOnTheScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    QVERIFY(screen != nullptr);
    QCOMPARE(window_->geometry().center(), screen->availableGeometry().center());
  }

  void fontHasCyrillicGlyphs() {
    const QFont font = window_->font();
    QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(font.pointSize(), 8);
    const QFontInfo resolved(font);
    QCOMPARE(resolved.pixelSize(), 11);

    const QRawFont raw = QRawFont::fromFont(font);
    for (const QWidget* control : NamedControls(*window_)) {
      QCOMPARE(control->font(), font);
      for (const QChar c : ShownText(control)) {
        QVERIFY2(raw.supportsCharacter(c),
                 qPrintable(QStringLiteral("%1 has no glyph for %2 in %3")
                                .arg(resolved.family(), QString(c), control->objectName())));
      }
    }
  }

  void captionsFitTheirControls() {
    for (const QWidget* control : NamedControls(*window_)) {
      const QString text = ShownText(control);
      const QFont font = control->font();
      const QFontMetrics metrics(font);
      const QString name = control->objectName();
      if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const int iconWidth = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        QVERIFY2(metrics.horizontalAdvance(text) + iconWidth + 8 <= button->width(),
                 qPrintable(name));
      } else if (qobject_cast<const QGroupBox*>(control) != nullptr) {
        // Title at x = 8, clear of the frame's right edge.
        QVERIFY2(8 + metrics.horizontalAdvance(text) + 4 <= control->width(), qPrintable(name));
      } else if (qobject_cast<const QLineEdit*>(control) != nullptr) {
        QVERIFY2(metrics.horizontalAdvance(text) + 8 <= control->width(), qPrintable(name));
      } else if (!text.isEmpty()) {
        QVERIFY2(InkWidth(font, text) <= control->width(), qPrintable(QStringLiteral("%1: %2 > %3")
                                                                          .arg(name)
                                                                          .arg(InkWidth(font, text))
                                                                          .arg(control->width())));
        QVERIFY2(metrics.height() <= control->height(), qPrintable(name));
      }
    }
  }

  void panelTitleColours() {
    const QHash<QString, QColor> coloured = {{QStringLiteral("gb_01"), QColor(0x80, 0x00, 0x80)},
                                             {QStringLiteral("gb_02"), QColor(0x80, 0x00, 0x00)}};
    for (const PanelBox* panel : window_->findChildren<PanelBox*>()) {
      QCOMPARE(panel->titleColor(), coloured.value(panel->objectName()));
    }
    // Their labels keep the window text colour.
    for (const QLabel* label : window_->findChildren<QLabel*>()) {
      QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
  }

  void pictureAtNaturalSize() {
    const auto* picture = window_->findChild<QLabel*>(QStringLiteral("iMV"));
    QVERIFY(picture != nullptr);
    QCOMPARE(picture->pixmap().size(), QSize(150, 150));
    QCOMPARE(picture->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QVERIFY(!picture->hasScaledContents());
    QCOMPARE(picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             DrawTransducerPicture());
  }

  void icons() {
    const QImage icon = DrawTransducerIcon();
    QCOMPARE(window_->windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_RGB32),
             icon);
    QCOMPARE(
        QApplication::windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_RGB32),
        icon);

    const auto* exit = window_->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QVERIFY(!exit->icon().isNull());
  }

  void onlyCalcIsTheDefaultButton() {
    for (const QPushButton* button : window_->findChildren<QPushButton*>()) {
      QCOMPARE(button->isDefault(), button->objectName() == QLatin1String("bCalc"));
    }
  }

 private:
  std::unique_ptr<TfmQuorvel10> window_;
};

int main(int argc, char* argv[]) {
  return RunGuiTest<WindowLayoutTest>(argc, argv);
}

#include "window_layout_test.moc"
