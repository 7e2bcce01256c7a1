// The progress gauge of the main window: a horizontal bar from 0 to 100 with
// the percentage written across it, navy on red.
#pragma once

#include <QColor>
#include <QWidget>

namespace quelor::ui {

class GaugeWidget : public QWidget {
  Q_OBJECT

 public:
  static inline const QColor kBarColour{0x00, 0x00, 0x80};         // navy
  static inline const QColor kBackgroundColour{0xFF, 0x00, 0x00};  // red
  static inline const QColor kTextColour{0x08, 0x37, 0x72};

  explicit GaugeWidget(QWidget* parent = nullptr);

  // Shows `percent`, limited to 0..100. A changed value is painted at once,
  // before this returns: the run keeps the event loop busy for long stretches
  // and the gauge must move all the same.
  void SetValue(int percent);
  int value() const { return value_; }

  // "42%": the text written on the bar.
  static QString Text(int percent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int value_ = 0;
};

}  // namespace quelor::ui
