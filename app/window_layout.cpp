#include "app/window_layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "app/classic_colors.h"
#include "app/click_label.h"
#include "app/panel_box.h"
#include "app/transducer_drawing.h"

namespace {

enum class Kind { kPicture, kPanel, kLabel, kContactLabel, kEdit, kButton };

constexpr int kEditHeight = 21;
constexpr int kLabelHeight = 13;

// One control: its component name, its kind, the panel it sits in (nullptr:
// the client area), its place relative to the parent's outer top-left corner,
// its caption or initial text, and a caption colour (0: window text).
struct Placement {
  const char* name;
  Kind kind;
  const char* panel;
  int left;
  int top;
  int width;
  int height;
  const char* text;
  QRgb captionColor = 0;
};

// Every control, each panel before the controls inside it.
constexpr Placement kControls[] = {
    {"iMV", Kind::kPicture, nullptr, 16, 16, 153, 153, ""},
    {"gb_01", Kind::kPanel, nullptr, 184, 8, 241, 73, "Программа Quorvel V1.0:", kPurple},
    {"gb_02", Kind::kPanel, nullptr, 440, 8, 161, 73, "Контактная информация:", kMaroon},
    {"gb_03", Kind::kPanel, nullptr, 184, 96, 209, 73, "Остаточная индукция Br, Тл:"},
    {"gb_04", Kind::kPanel, nullptr, 408, 96, 193, 73, "Фактор упаковки Lambda:"},
    {"gb_05", Kind::kPanel, nullptr, 16, 176, 289, 137, "Параметры кольцевого магнита:"},
    {"gb_06", Kind::kPanel, nullptr, 16, 320, 289, 241, "Параметры дифференциального соленоида:"},
    {"gb_10", Kind::kPanel, nullptr, 320, 176, 281, 33, "Удельное сопротивление Roe, Ом * м:"},
    {"gb_07", Kind::kPanel, nullptr, 320, 216, 281, 73, "Пространственные параметры магнита:"},
    {"gb_09", Kind::kPanel, nullptr, 320, 296, 281, 73, "Осевая скорость v колеблющегося магнита:"},
    {"gb_08", Kind::kPanel, nullptr, 320, 376, 281, 121, "Расчетные значения:"},
    {"eReady", Kind::kEdit, nullptr, 320, 504, 281, kEditHeight, "Готов ..."},
    {"bCalc", Kind::kButton, nullptr, 320, 536, 75, 25, "Расчет"},
    {"bClear", Kind::kButton, nullptr, 424, 536, 75, 25, "Очистить"},
    {"BitBtn1", Kind::kButton, nullptr, 528, 536, 75, 25, "Выход"},

    {"l_11", Kind::kLabel, "gb_01", 8, 16, 214, kLabelHeight,
     "Магнитоэлектрический преобразователь:"},
    {"l_12", Kind::kLabel, "gb_01", 8, 32, 217, kLabelHeight,
     " движущийся кольцевой (цилиндрический)"},
    {"l_13", Kind::kLabel, "gb_01", 8, 48, 209, kLabelHeight,
     "магнит в дифференциальном соленоиде"},

    {"l_21", Kind::kContactLabel, "gb_02", 8, 16, 145, kLabelHeight, "Команда Quorvel"},
    {"l_22", Kind::kContactLabel, "gb_02", 8, 32, 145, kLabelHeight, "E-mail: quorvel@example.org"},
    {"l_23", Kind::kContactLabel, "gb_02", 8, 48, 145, kLabelHeight, "Сайт: quorvel.example.org"},

    {"l_31", Kind::kLabel, "gb_03", 8, 16, 193, kLabelHeight, "Феррит бария, стронция 0.2 ... 0.4"},
    {"l_32", Kind::kLabel, "gb_03", 8, 32, 193, kLabelHeight, "Самарий-кобальт 0.8 ... 1.0"},
    {"l_33", Kind::kLabel, "gb_03", 8, 48, 193, kLabelHeight, "Неодим-железо-бор 1.0 ... 1.2"},

    {"l_41", Kind::kLabel, "gb_04", 8, 16, 177, kLabelHeight, "Намотка внавал 0.5 ... 0.6"},
    {"l_42", Kind::kLabel, "gb_04", 8, 32, 177, kLabelHeight, "Намотка виток к витку 0.6 ... 0.7"},
    {"l_43", Kind::kLabel, "gb_04", 8, 48, 177, kLabelHeight, "Намотка шиной 0.7 ... 0.8"},

    {"l_51", Kind::kLabel, "gb_05", 8, 16, 195, kLabelHeight,
     "(для цилиндрического магнита D1 = 0)"},
    {"eD1", Kind::kEdit, "gb_05", 8, 32, 65, kEditHeight, "0.004"},
    {"lD1", Kind::kLabel, "gb_05", 80, 40, 201, kLabelHeight, "Диаметр отверстия D1, м"},
    {"eD2", Kind::kEdit, "gb_05", 8, 56, 65, kEditHeight, "0.009"},
    {"lD2", Kind::kLabel, "gb_05", 80, 64, 201, kLabelHeight, "Внешний диаметр магнита D2, м"},
    {"ehh", Kind::kEdit, "gb_05", 8, 80, 65, kEditHeight, "0.003"},
    {"lhh", Kind::kLabel, "gb_05", 80, 88, 201, kLabelHeight, "Высота магнита h, м"},
    {"eBr", Kind::kEdit, "gb_05", 8, 104, 65, kEditHeight, "0.9"},
    {"lBr", Kind::kLabel, "gb_05", 80, 112, 201, kLabelHeight, "Остаточная индукция Br, Тл"},

    {"l_61", Kind::kLabel, "gb_06", 8, 16, 232, kLabelHeight,
     "Дифф. соленоид состоит из двух одинаковых"},
    {"l_62", Kind::kLabel, "gb_06", 8, 32, 242, kLabelHeight,
     "катушек со встречным направлением намотки,"},
    {"l_63", Kind::kLabel, "gb_06", 8, 48, 224, kLabelHeight,
     "катушки включены в цепь последовательно"},
    {"eR1", Kind::kEdit, "gb_06", 8, 64, 65, kEditHeight, "0.005"},
    {"lR1", Kind::kLabel, "gb_06", 80, 72, 201, kLabelHeight, "Внутренний радиус R1, м"},
    {"eR2", Kind::kEdit, "gb_06", 8, 88, 65, kEditHeight, "0.01"},
    {"lR2", Kind::kLabel, "gb_06", 80, 96, 201, kLabelHeight, "Внешний радиус R2, м"},
    {"eH", Kind::kEdit, "gb_06", 8, 112, 65, kEditHeight, "0.005"},
    {"lH", Kind::kLabel, "gb_06", 80, 120, 201, kLabelHeight, "Высота одной катушки H, м"},
    {"ess", Kind::kEdit, "gb_06", 8, 136, 65, kEditHeight, "0.001"},
    {"lss", Kind::kLabel, "gb_06", 80, 144, 201, kLabelHeight, "Расстояние между катушками s, м"},
    {"eD", Kind::kEdit, "gb_06", 8, 160, 65, kEditHeight, "0.0001"},
    {"lD", Kind::kLabel, "gb_06", 80, 168, 201, kLabelHeight, "Диаметр провода D, м"},
    {"eRoe", Kind::kEdit, "gb_06", 8, 184, 65, kEditHeight, "1.67E-8"},
    {"l_67", Kind::kLabel, "gb_06", 80, 192, 193, kLabelHeight,
     "Удельное сопротивление Roe, Ом * м"},
    {"eLambda", Kind::kEdit, "gb_06", 8, 208, 65, kEditHeight, "0.6"},
    {"lLambda", Kind::kLabel, "gb_06", 80, 216, 201, kLabelHeight, "Фактор упаковки Lambda (<1)"},

    {"l_101", Kind::kLabel, "gb_10", 8, 16, 81, kLabelHeight, "Медь 1.67E-8"},
    {"l_102", Kind::kLabel, "gb_10", 88, 16, 93, kLabelHeight, "Алюминий 2.69E-8"},
    {"l_103", Kind::kLabel, "gb_10", 192, 16, 81, kLabelHeight, "Железо 9.71E-8"},

    {"eDeltaz", Kind::kEdit, "gb_07", 8, 16, 65, kEditHeight, "0"},
    {"lDeltaZ", Kind::kLabel, "gb_07", 80, 24, 193, kLabelHeight,
     "Сдвиг относительно центра Delta z, м"},
    {"evv", Kind::kEdit, "gb_07", 8, 40, 65, kEditHeight, "0"},
    {"lvv", Kind::kLabel, "gb_07", 80, 48, 193, kLabelHeight, "Осевая скорость v, м/с"},

    {"l_91", Kind::kLabel, "gb_09", 8, 16, 263, kLabelHeight,
     "Если магнит совершает колебания с частотой f (Гц)"},
    {"l_92", Kind::kLabel, "gb_09", 8, 32, 229, kLabelHeight,
     "и амплитудой A (м), то амплитуда его осевой"},
    {"l_93", Kind::kLabel, "gb_09", 8, 48, 240, kLabelHeight,
     "скорости v = 2 Pi A f (м/с), где Pi = 3.1415926 ..."},

    {"eN", Kind::kEdit, "gb_08", 8, 16, 65, kEditHeight, ""},
    {"l_81", Kind::kLabel, "gb_08", 80, 24, 193, kLabelHeight, "Число витков (на одну катушку)"},
    {"eRdif", Kind::kEdit, "gb_08", 8, 40, 65, kEditHeight, ""},
    {"l_82", Kind::kLabel, "gb_08", 80, 48, 193, kLabelHeight, "Сопротивление дифф. соленоида, Ом"},
    {"eLdif", Kind::kEdit, "gb_08", 8, 64, 65, kEditHeight, ""},
    {"l_83", Kind::kLabel, "gb_08", 80, 72, 193, kLabelHeight, "Индуктивность дифф. соленоида, Гн"},
    {"eEdif", Kind::kEdit, "gb_08", 8, 88, 65, kEditHeight, ""},
    {"lE0", Kind::kLabel, "gb_08", 80, 96, 193, kLabelHeight, "ЭДС, В"},
};

// The buttons first, then every edit, the panels' edits in their own order.
constexpr const char* kTabOrder[] = {
    "bCalc",   "bClear", "BitBtn1", "eD1",   "eD2",   "ehh",   "eBr",
    "eR1",     "eR2",    "eH",      "ess",   "eD",    "eRoe",  "eLambda",
    "eDeltaz", "evv",    "eN",      "eRdif", "eLdif", "eEdif", "eReady",
};

QWidget* CreateControl(const Placement& placement, QWidget* parent) {
  const QString text = QString::fromUtf8(placement.text);
  switch (placement.kind) {
    case Kind::kPicture: {
      auto* picture = new QLabel(parent);
      picture->setPixmap(QPixmap::fromImage(DrawTransducerPicture()));
      picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // natural size, never stretched
      return picture;
    }
    case Kind::kPanel: {
      auto* panel = new PanelBox(text, parent);
      if (placement.captionColor != 0) {
        panel->setTitleColor(QColor::fromRgb(placement.captionColor));
      }
      return panel;
    }
    case Kind::kLabel:
      return new QLabel(text, parent);
    case Kind::kContactLabel:
      return new ClickLabel(text, parent);
    case Kind::kEdit:
      return new QLineEdit(text, parent);
    case Kind::kButton:
      return new QPushButton(text, parent);
  }
  return nullptr;
}

}  // namespace

void BuildWindowControls(QWidget* window) {
  for (const Placement& placement : kControls) {
    QWidget* parent = placement.panel == nullptr
                          ? window
                          : window->findChild<QWidget*>(QString::fromLatin1(placement.panel),
                                                        Qt::FindDirectChildrenOnly);
    QWidget* control = CreateControl(placement, parent);
    control->setObjectName(QString::fromLatin1(placement.name));
    control->setGeometry(placement.left, placement.top, placement.width, placement.height);
  }

  QWidget* previous = nullptr;
  for (const char* name : kTabOrder) {
    QWidget* next = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (previous != nullptr) {
      QWidget::setTabOrder(previous, next);
    }
    previous = next;
  }
}
