// The gauge as drawn: navy bar on red, the percentage written across it, and
// painted at once when its value changes.
#include "ui/qt/gauge_widget.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWindow>
#include <algorithm>
#include <cstdlib>

#include "qt/qt_test_support.h"
#include "ui/qt/main_window.h"

namespace quelor::ui {
namespace {

using testing::WaitUntil;

bool IsTextPixel(QRgb pixel) {
  const QColor colour(pixel);
  return colour != GaugeWidget::kBarColour && colour != GaugeWidget::kBackgroundColour;
}

// Pixels of `image` inside `area` that are neither bar nor background.
int TextPixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += IsTextPixel(image.pixel(x, y));
  }
  return count;
}

TEST(QtGaugeTest, DrawsBarBackgroundAndCentredPercentage) {
  const struct {
    int set;
    int shown;
    int bar_end;  // first column of the red background
  } cases[] = {{0, 0, 0}, {42, 42, 314}, {100, 100, 748}, {150, 100, 748}, {-5, 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.set);
    GaugeWidget gauge;
    gauge.resize(748, 23);
    gauge.SetValue(c.set);
    EXPECT_EQ(gauge.value(), c.shown);

    const QImage image = gauge.grab().toImage();
    ASSERT_EQ(image.size(), QSize(748, 23));
    // Away from the text in the middle, the two colours meet at the bar's end.
    for (const int x : {0, 5, 200, 313, 314, 315, 600, 747}) {
      for (const int y : {0, 11, 22}) {
        const QColor expected =
            x < c.bar_end ? GaugeWidget::kBarColour : GaugeWidget::kBackgroundColour;
        EXPECT_EQ(QColor(image.pixel(x, y)), expected) << x << "," << y;
      }
    }
    // The text sits in the middle and nowhere else.
    EXPECT_GT(TextPixels(image, QRect(354, 2, 40, 19)), 10);
    EXPECT_EQ(TextPixels(image, QRect(0, 0, 300, 23)), 0);
    EXPECT_EQ(TextPixels(image, QRect(450, 0, 298, 23)), 0);
  }
  EXPECT_EQ(GaugeWidget::Text(42), "42%");
}

TEST(QtGaugeTest, TextIsWrittenInItsOwnColour) {
  // On the red background the glyphs' fully covered pixels have the text
  // colour; a small tolerance allows for how the font is rasterised, while
  // black or the bar's navy would still be told apart.
  GaugeWidget gauge;
  gauge.resize(748, 23);
  gauge.SetValue(10);
  const QImage image = gauge.grab().toImage();
  int closest = 1 << 30;
  for (int y = 0; y < 23; ++y) {
    for (int x = 340; x < 410; ++x) {
      const QColor p(image.pixel(x, y));
      const QColor& t = GaugeWidget::kTextColour;
      const int distance = std::abs(p.red() - t.red()) + std::abs(p.green() - t.green()) +
                           std::abs(p.blue() - t.blue());
      closest = std::min(closest, distance);
    }
  }
  EXPECT_LE(closest, 24) << "no pixel near the text colour";
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST(QtGaugeTest, ChangedValueIsPaintedBeforeSetGaugeReturns) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(WaitUntil([&] { return window.windowHandle()->isExposed(); }));
  WaitUntil([] { return false; }, 50);  // let the first paint settle

  PaintCounter counter;
  window.gauge().installEventFilter(&counter);
  window.SetGauge(42);
  EXPECT_EQ(counter.paints, 1) << "painted without returning to the event loop";
  EXPECT_EQ(window.gauge().value(), 42);
  window.SetGauge(42);
  EXPECT_EQ(counter.paints, 1) << "the same value is not painted again";
  window.SetGauge(43);
  EXPECT_EQ(counter.paints, 2);
  window.gauge().removeEventFilter(&counter);
}

}  // namespace
}  // namespace quelor::ui
