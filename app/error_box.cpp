#include "app/error_box.h"

#include <QMessageBox>
#include <QString>

#include "app/application_setup.h"

void ShowErrorBox(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle), text,
                  QMessageBox::Ok, parent);
  box.exec();
}
