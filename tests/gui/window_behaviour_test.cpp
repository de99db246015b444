// What the main window does: focus and keys, the calculate and clear buttons,
// the contact labels, the exit button and the errors it reports.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QStringList>
#include <QtTest>
#include <memory>

#include "app/main_window.h"
#include "calc/transducer_params.h"
#include "gui_test_main.h"

namespace {

const QString kReady = QStringLiteral("Готов ...");
const QString kWait = QStringLiteral("Ждите ...");
const QString kZeroVelocity = QStringLiteral("Расчет для нулевой осевой скорости");
const QString kDontClick = QStringLiteral("Не щелкай");

const char* const kResultEdits[] = {"eN", "eRdif", "eLdif", "eEdif"};

using Texts = QMap<QString, QString>;  // edit name -> text

}  // namespace

class WindowBehaviourTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    transducerParams = TransducerParams{};
    reported_.clear();
    window_ = NewWindow('.');
    QVERIFY(ShowWindow());
  }

  void cleanup() { window_.reset(); }

  void startsWithDefaultsAndFocusOnCalc() {
    const Texts expected = {
        {"eD1", "0.004"}, {"eD2", "0.009"},    {"ehh", "0.003"},   {"eBr", "0.9"},
        {"eR1", "0.005"}, {"eR2", "0.01"},     {"eH", "0.005"},    {"ess", "0.001"},
        {"eD", "0.0001"}, {"eRoe", "1.67E-8"}, {"eLambda", "0.6"}, {"eDeltaz", "0"},
        {"evv", "0"},     {"eN", ""},          {"eRdif", ""},      {"eLdif", ""},
        {"eEdif", ""},    {"eReady", kReady},
    };
    QCOMPARE(EditTexts(), expected);
    QCOMPARE(QApplication::focusWidget(), button("bCalc"));
  }

  void tabRunsRoundFromCalcToCalc() {
    const QStringList expected = {"bClear",  "BitBtn1", "eD1",  "eD2", "ehh",   "eBr",
                                  "eR1",     "eR2",     "eH",   "ess", "eD",    "eRoe",
                                  "eLambda", "eDeltaz", "evv",  "eN",  "eRdif", "eLdif",
                                  "eEdif",   "eReady",  "bCalc"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("eReady"));
  }

  void enterInAnEditCalculates_data() {
    QTest::addColumn<QString>("editName");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Return in eD1") << "eD1" << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter in evv") << "evv" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Return in a result") << "eN" << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Return in eReady") << "eReady" << int(Qt::Key_Return) << int(Qt::NoModifier);
  }

  void enterInAnEditCalculates() {
    QFETCH(QString, editName);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QLineEdit* target = edit(editName);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(text("eN"), QStringLiteral("1910"));
    QCOMPARE(text("eReady"), kZeroVelocity);
  }

  void enterOnAFocusedButtonClicksIt() {
    QPushButton* calc = button("bCalc");
    calc->setFocus();
    QTest::keyClick(calc, Qt::Key_Return);
    QCOMPARE(text("eRdif"), QStringLiteral("382.7"));

    QPushButton* clear = button("bClear");
    clear->setFocus();
    QTest::keyClick(clear, Qt::Key_Return);
    QCOMPARE(text("eRdif"), QString());
    QCOMPARE(text("eReady"), kReady);

    QPushButton* exit = button("BitBtn1");
    exit->setFocus();
    QTest::keyClick(exit, Qt::Key_Return);
    QVERIFY(!window_->isVisible());
  }

  void escapeDoesNothing_data() {
    QTest::addColumn<QString>("focusName");
    QTest::newRow("on bCalc") << "bCalc";
    QTest::newRow("in eD1") << "eD1";
    QTest::newRow("in eReady") << "eReady";
  }

  void escapeDoesNothing() {
    QFETCH(QString, focusName);
    QWidget* focus = window_->findChild<QWidget*>(focusName);
    focus->setFocus();
    const Texts before = EditTexts();
    QTest::keyClick(focus, Qt::Key_Escape);
    QVERIFY(window_->isVisible());
    QCOMPARE(EditTexts(), before);
    QCOMPARE(QApplication::focusWidget(), focus);
  }

  void defaultInputs() {
    Calculate();
    QCOMPARE(ResultTexts(), QStringList({"1910", "382.7", "0.05518", "0"}));
    QCOMPARE(text("eReady"), kZeroVelocity);
    QVERIFY(reported_.isEmpty());
  }

  void unitVelocity() {
    edit("evv")->setText("1");
    Calculate();
    QCOMPARE(ResultTexts(), QStringList({"1910", "382.7", "0.05518", "5.531"}));
    QCOMPARE(text("eReady"), kReady);
    QVERIFY(reported_.isEmpty());
  }

  // A failed check empties the results and shows its message; a corrected input
  // fills them again.
  void failedCheck_data() {
    QTest::addColumn<QString>("editName");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("message");
    QTest::newRow("Lambda = 1") << "eLambda"
                                << "1" << QStringLiteral("Введите Lambda < 1");
    QTest::newRow("D2 = D1") << "eD2"
                             << "0.004" << QStringLiteral("Введите D2 > D1");
    QTest::newRow("magnet in the winding")
        << "eR1"
        << "0.004" << QStringLiteral("Введите R1 > 0.5D2 или s > h + 2 |Delta z|");
  }

  void failedCheck() {
    QFETCH(QString, editName);
    QFETCH(QString, input);
    QFETCH(QString, message);
    Calculate();
    const QString original = text(editName);

    edit(editName)->setText(input);
    Calculate();
    QCOMPARE(text("eReady"), message);
    QCOMPARE(ResultTexts(), QStringList({"", "", "", ""}));
    QVERIFY(reported_.isEmpty());

    edit(editName)->setText(original);
    Calculate();
    QCOMPARE(text("eRdif"), QStringLiteral("382.7"));
    QCOMPARE(text("eReady"), kZeroVelocity);
  }

  void clearTouchesOnlyResultsAndStatus() {
    Calculate();
    const Texts before = EditTexts();
    const TransducerParams params = transducerParams;

    QTest::mouseClick(button("bClear"), Qt::LeftButton);
    Texts expected = before;
    for (const char* result : kResultEdits) {
      expected[result] = QString();
    }
    expected["eReady"] = kReady;
    QCOMPARE(EditTexts(), expected);
    QVERIFY(SameParams(transducerParams, params));
  }

  void clearAfterAFailedCheck() {
    edit("eLambda")->setText("1");
    Calculate();
    QTest::mouseClick(button("bClear"), Qt::LeftButton);
    QCOMPARE(text("eReady"), kReady);
  }

  void contactLabelClick_data() {
    QTest::addColumn<QString>("labelName");
    QTest::newRow("l_21") << "l_21";
    QTest::newRow("l_22") << "l_22";
    QTest::newRow("l_23") << "l_23";
  }

  void contactLabelClick() {
    QFETCH(QString, labelName);
    Calculate();
    const Texts before = EditTexts();
    const TransducerParams params = transducerParams;

    QTest::mouseClick(window_->findChild<QLabel*>(labelName), Qt::LeftButton);
    Texts expected = before;
    expected["eReady"] = kDontClick;
    QCOMPARE(EditTexts(), expected);
    QVERIFY(SameParams(transducerParams, params));
    QVERIFY(reported_.isEmpty());
    QVERIFY(window_->isVisible());
  }

  void textThatDoesNotConvert() {
    Calculate();
    edit("eD1")->setText("abc");
    const Texts before = EditTexts();
    Calculate();
    QCOMPARE(reported_, QStringList({"'abc' is not a valid floating point value."}));
    QCOMPARE(EditTexts(), before);
    QVERIFY(window_->isVisible());
  }

  void divisionByZero() {
    Calculate();
    const QStringList results = ResultTexts();
    edit("eD")->setText("0");
    Calculate();
    QCOMPARE(reported_, QStringList({"Floating point division by zero."}));
    QCOMPARE(text("eReady"), kWait);
    QCOMPARE(ResultTexts(), results);

    // The program goes on: the next request with a valid wire works.
    edit("eD")->setText("0.0001");
    Calculate();
    QCOMPARE(text("eReady"), kZeroVelocity);
  }

  // The window converts and shows numbers with the separator it was given.
  void commaSeparator() {
    window_ = NewWindow(',');
    QVERIFY(ShowWindow());
    Calculate();
    QCOMPARE(reported_, QStringList({"'0.004' is not a valid floating point value."}));

    reported_.clear();
    for (int i = 0; i < kInputCount; ++i) {
      QLineEdit* input = edit(QLatin1String("e") + QLatin1String(kParamFields[i].name));
      input->setText(input->text().replace('.', ','));
    }
    Calculate();
    QVERIFY(reported_.isEmpty());
    QCOMPARE(text("eRdif"), QStringLiteral("382,7"));
  }

  void exitButtonClosesWithoutAsking() {
    QTest::mouseClick(button("BitBtn1"), Qt::LeftButton);
    QVERIFY(!window_->isVisible());
    QVERIFY(reported_.isEmpty());
  }

  void titleBarCloseIsAccepted() { QVERIFY(window_->close()); }

 private:
  std::unique_ptr<TfmQuorvel10> NewWindow(char decimalSeparator) {
    auto window = std::make_unique<TfmQuorvel10>(decimalSeparator);
    window->setErrorReporter([this](const QString& text) { reported_ << text; });
    return window;
  }

  bool ShowWindow() const {
    window_->show();
    QApplication::setActiveWindow(window_.get());
    return QTest::qWaitForWindowActive(window_.get());
  }

  QLineEdit* edit(const QString& name) const {
    auto* found = window_->findChild<QLineEdit*>(name);
    if (found == nullptr) {
      qFatal("no edit %s", qPrintable(name));
    }
    return found;
  }

  QPushButton* button(const QString& name) const {
    auto* found = window_->findChild<QPushButton*>(name);
    if (found == nullptr) {
      qFatal("no button %s", qPrintable(name));
    }
    return found;
  }

  QString text(const QString& editName) const { return edit(editName)->text(); }

  Texts EditTexts() const {
    Texts texts;
    for (const QLineEdit* e : window_->findChildren<QLineEdit*>()) {
      texts[e->objectName()] = e->text();
    }
    return texts;
  }

  QStringList ResultTexts() const {
    QStringList texts;
    for (const char* result : kResultEdits) {
      texts << text(result);
    }
    return texts;
  }

  void Calculate() const { QTest::mouseClick(button("bCalc"), Qt::LeftButton); }

  static bool SameParams(const TransducerParams& a, const TransducerParams& b) {
    for (const ParamField& field : kParamFields) {
      if (!(a.*field.member == b.*field.member)) {
        return false;
      }
    }
    return true;
  }

  std::unique_ptr<TfmQuorvel10> window_;
  QStringList reported_;
};

int main(int argc, char* argv[]) {
  return RunGuiTest<WindowBehaviourTest>(argc, argv);
}

#include "window_behaviour_test.moc"
