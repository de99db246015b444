#pragma once

#include <QLabel>

// A label that reports a click of the left mouse button, pressed and released
// over it. It takes no focus.
class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  ClickLabel(const QString& text, QWidget* parent);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};
