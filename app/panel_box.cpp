#include "app/panel_box.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

namespace {

constexpr int kTitleLeft = 8;
constexpr int kTitlePadding = 2;  // background kept clear on each side of the title

}  // namespace

PanelBox::PanelBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
  setFocusPolicy(Qt::NoFocus);
}

void PanelBox::setTitleColor(const QColor& color) {
  titleColor_ = color;
  update();
}

void PanelBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics = fontMetrics();
  const int frameTop = metrics.height() / 2;
  const int frameWidth = width() - 2;
  const int frameHeight = height() - frameTop - 2;

  // Etched: a light outline one pixel right of and below a dark one.
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(1, frameTop + 1, frameWidth, frameHeight);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(0, frameTop, frameWidth, frameHeight);

  const QString caption = title();
  if (caption.isEmpty()) {
    return;
  }
  const int captionWidth = metrics.horizontalAdvance(caption);
  painter.fillRect(
      QRect(kTitleLeft - kTitlePadding, 0, captionWidth + 2 * kTitlePadding, metrics.height()),
      palette().window());
  painter.setPen(titleColor_.isValid() ? titleColor_ : palette().color(QPalette::WindowText));
  painter.drawText(QPoint(kTitleLeft, metrics.ascent()), caption);
}
