#pragma once

#include <QColor>
#include <QGroupBox>

// A group box drawn the classic way, whatever the style: an etched frame whose
// top line runs through the middle of the title, the title at the left on the
// window's background, in its own colour if one is given. The children are
// placed by their geometry, relative to the box's outer top-left corner.
class PanelBox : public QGroupBox {
  Q_OBJECT

 public:
  PanelBox(const QString& title, QWidget* parent);

  // An invalid colour (the default) draws the title in the window text colour.
  void setTitleColor(const QColor& color);
  QColor titleColor() const { return titleColor_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor titleColor_;
};
