// The real error box, shown by the window for a text that does not convert,
// inspected and closed while it runs its own event loop.

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/application_setup.h"
#include "app/error_box.h"
#include "app/main_window.h"
#include "calc/transducer_params.h"
#include "gui_test_main.h"

namespace {

// What the box showed, recorded before it was closed.
struct SeenBox {
  bool seen = false;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString title;
  QString text;
  QMessageBox::StandardButtons buttons;
  qsizetype buttonCount = 0;
  bool modal = false;
  const QWidget* parent = nullptr;
};

// Waits, inside the box's own event loop, until a modal box is up, records it
// and presses its OK button. Without a box the test ends at its CTest time limit.
void CloseBoxWhenShown(SeenBox& seen) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      return;
    }
    seen = {true,
            box->icon(),
            box->windowTitle(),
            box->text(),
            box->standardButtons(),
            box->buttons().size(),
            box->isModal(),
            box->parentWidget()};
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      ok->click();
    }
    poll->deleteLater();
  });
  poll->start(0);
}

}  // namespace

class ErrorBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { transducerParams = TransducerParams{}; }

  void windowShowsTheCriticalBox() {
    TfmQuorvel10 window('.');
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QLineEdit*>(QStringLiteral("eD1"))->setText(QStringLiteral("abc"));

    SeenBox seen;
    CloseBoxWhenShown(seen);
    window.findChild<QPushButton*>(QStringLiteral("bCalc"))->click();

    QVERIFY(seen.seen);
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.title, QString::fromUtf8(kApplicationTitle));
    QCOMPARE(seen.text, QStringLiteral("'abc' is not a valid floating point value."));
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen.buttonCount, 1);
    QVERIFY(seen.modal);
    QCOMPARE(seen.parent, &window);

    // After OK the program goes on.
    QVERIFY(window.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("eReady"))->text(),
             QStringLiteral("Готов ..."));
  }

  void boxReturnsAfterOk() {
    SeenBox seen;
    CloseBoxWhenShown(seen);
    ShowErrorBox(nullptr, QStringLiteral("Floating point overflow."));
    QVERIFY(seen.seen);
    QCOMPARE(seen.text, QStringLiteral("Floating point overflow."));
    QCOMPARE(seen.title, QString::fromUtf8(kApplicationTitle));
  }
};

int main(int argc, char* argv[]) {
  return RunGuiTest<ErrorBoxTest>(argc, argv);
}

#include "error_box_test.moc"
