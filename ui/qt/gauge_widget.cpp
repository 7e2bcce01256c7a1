#include "ui/qt/gauge_widget.h"

#include <QPainter>
#include <algorithm>

namespace quelor::ui {

GaugeWidget::GaugeWidget(QWidget* parent) : QWidget(parent) {
  // Every pixel is painted here; nothing underneath needs drawing first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QString GaugeWidget::Text(int percent) { return QString::number(percent) + QLatin1Char('%'); }

void GaugeWidget::SetValue(int percent) {
  percent = std::clamp(percent, 0, 100);
  if (percent == value_) return;
  value_ = percent;
  repaint();
}

void GaugeWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = rect();
  const int filled = area.width() * value_ / 100;
  painter.fillRect(area, kBackgroundColour);
  painter.fillRect(QRect(area.left(), area.top(), filled, area.height()), kBarColour);
  painter.setPen(kTextColour);
  painter.setFont(font());
  painter.drawText(area, Qt::AlignCenter, Text(value_));
}

}  // namespace quelor::ui
