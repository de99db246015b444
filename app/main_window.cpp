#include "app/main_window.h"

#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <optional>
#include <string>
#include <utility>

#include "app/click_label.h"
#include "app/error_box.h"
#include "app/window_layout.h"
#include "calc/calc_request.h"

namespace {

const char kReady[] = "Готов ...";
const char kDontClick[] = "Не щелкай";

// 8 points, 11 pixels high at 96 dpi. Where the face is missing, a free face
// with Cyrillic glyphs stands in, narrowed by 3 % so that every caption fits
// its label: the labels are exactly as wide as their texts in the first face.
QFont WindowFont() {
  const QString family = QStringLiteral("MS Sans Serif");
  QFont::insertSubstitution(family, QStringLiteral("Liberation Sans"));
  QFont font(family, 8);
  if (QFontInfo(font).family() != family) {
    font.setStretch(97);
  }
  return font;
}

QString ToQString(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

template <typename Control>
Control* TfmQuorvel10::control(const QString& name) const {
  Control* found = findChild<Control*>(name);
  Q_ASSERT_X(found != nullptr, "TfmQuorvel10", "a control of the layout is missing");
  return found;
}

TfmQuorvel10::TfmQuorvel10(char decimalSeparator, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      decimalSeparator_(decimalSeparator),
      reportError_([this](const QString& text) { ShowErrorBox(this, text); }) {
  setWindowTitle(QStringLiteral("Quorvel V1.0"));
  setFont(WindowFont());
  setFixedSize(kClientWidth, kClientHeight);
  BuildWindowControls(this);

  for (int i = 0; i < kInputCount; ++i) {
    inputEdits_[i] = control<QLineEdit>(QLatin1String("e") + QLatin1String(kParamFields[i].name));
  }
  eN = control<QLineEdit>(QStringLiteral("eN"));
  eRdif = control<QLineEdit>(QStringLiteral("eRdif"));
  eLdif = control<QLineEdit>(QStringLiteral("eLdif"));
  eEdif = control<QLineEdit>(QStringLiteral("eEdif"));
  eReady = control<QLineEdit>(QStringLiteral("eReady"));
  bCalc = control<QPushButton>(QStringLiteral("bCalc"));
  bClear = control<QPushButton>(QStringLiteral("bClear"));
  BitBtn1 = control<QPushButton>(QStringLiteral("BitBtn1"));

  // Every button clicks itself on Enter while it has the focus; Enter in an
  // edit field reaches keyPressEvent and clicks the default button bCalc.
  for (QPushButton* button : {bCalc, bClear, BitBtn1}) {
    button->setAutoDefault(true);
  }
  bCalc->setDefault(true);
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

  connect(bCalc, &QPushButton::clicked, this, &TfmQuorvel10::bCalcClick);
  connect(bClear, &QPushButton::clicked, this, &TfmQuorvel10::bClearClick);
  connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
  connect(control<ClickLabel>(QStringLiteral("l_21")), &ClickLabel::clicked, this,
          &TfmQuorvel10::l_21Click);
  connect(control<ClickLabel>(QStringLiteral("l_22")), &ClickLabel::clicked, this,
          &TfmQuorvel10::l_22Click);
  connect(control<ClickLabel>(QStringLiteral("l_23")), &ClickLabel::clicked, this,
          &TfmQuorvel10::l_23Click);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  bCalc->setFocus();
}

void TfmQuorvel10::setErrorReporter(ErrorReporter reporter) {
  reportError_ = std::move(reporter);
}

void TfmQuorvel10::bCalcClick() {
  InputTexts inputs;
  for (int i = 0; i < kInputCount; ++i) {
    inputs[i] = inputEdits_[i]->text().toStdString();
  }
  ShownTexts shown{eN->text().toStdString(), eRdif->text().toStdString(),
                   eLdif->text().toStdString(), eEdif->text().toStdString(),
                   eReady->text().toStdString()};
  const std::optional<std::string> error =
      CalculationRequest(transducerParams, inputs, shown, decimalSeparator_);

  // The fields show what the request had written when it ended, also after an error.
  eN->setText(ToQString(shown.N));
  eRdif->setText(ToQString(shown.Rdif));
  eLdif->setText(ToQString(shown.Ldif));
  eEdif->setText(ToQString(shown.Edif));
  eReady->setText(ToQString(shown.ready));
  if (error) {
    reportError_(ToQString(*error + "."));
  }
}

void TfmQuorvel10::bClearClick() {
  for (QLineEdit* result : {eN, eRdif, eLdif, eEdif}) {
    result->clear();
  }
  eReady->setText(QString::fromUtf8(kReady));
}

void TfmQuorvel10::l_21Click() {
  showDontClick();
}
void TfmQuorvel10::l_22Click() {
  showDontClick();
}
void TfmQuorvel10::l_23Click() {
  showDontClick();
}

void TfmQuorvel10::showDontClick() {
  eReady->setText(QString::fromUtf8(kDontClick));
}

// Only Enter that an edit field left unhandled gets here (a focused button takes
// its own); every other key, Escape included, does nothing.
void TfmQuorvel10::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    bCalc->click();
    return;
  }
  QWidget::keyPressEvent(event);
}
