#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "calc/transducer_params.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

// The program's one window: the thirteen inputs, the four results, the status
// line, the calculate, clear and exit buttons and the contact labels. It only
// moves texts between its fields and the calculation request; the values of a
// calculation live in transducerParams.
class TfmQuorvel10 : public QWidget {
  Q_OBJECT

 public:
  // Shows the text of a conversion or floating-point error (with its closing period).
  using ErrorReporter = std::function<void(const QString& text)>;

  // `decimalSeparator` is the locale's, read once at program start.
  explicit TfmQuorvel10(char decimalSeparator, QWidget* parent = nullptr);

  // Replaces the error box, e.g. by a recorder; the default is ShowErrorBox.
  void setErrorReporter(ErrorReporter reporter);

 public slots:
  void bCalcClick();
  void bClearClick();
  void l_21Click();
  void l_22Click();
  void l_23Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  template <typename Control>
  Control* control(const QString& name) const;
  void showDontClick();

  const char decimalSeparator_;
  ErrorReporter reportError_;
  std::array<QLineEdit*, kInputCount> inputEdits_;
  QLineEdit* eN;
  QLineEdit* eRdif;
  QLineEdit* eLdif;
  QLineEdit* eEdif;
  QLineEdit* eReady;
  QPushButton* bCalc;
  QPushButton* bClear;
  QPushButton* BitBtn1;
};
