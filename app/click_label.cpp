#include "app/click_label.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setFocusPolicy(Qt::NoFocus);
}

// The press grabbed the mouse for this label, so a release inside it ends a click.
void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QLabel::mouseReleaseEvent(event);
}
