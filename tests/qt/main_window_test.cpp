// The main window as laid out: geometry, font, banners and the busy cursor.
#include "ui/qt/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QWindow>
#include <string>
#include <vector>

#include "qt/qt_test_support.h"

namespace quelor::ui {
namespace {

using testing::WaitUntil;

template <typename T = QWidget>
T* Child(QWidget& window, const char* name) {
  T* child = window.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

TEST(QtMainWindowTest, LayoutAtTheDesignedSizeAndAfterAResize) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(WaitUntil([&] { return window.windowHandle()->isExposed(); }));

  EXPECT_EQ(window.size(), QSize(748, 543));
  EXPECT_EQ(window.windowTitle().toStdString(), app::kApplicationTitle);
  QWidget* upper = Child(window, "Panel1");
  QWidget* lower = Child(window, "Panel2");
  GaugeWidget* gauge = Child<GaugeWidget>(window, "Gauge1");
  ASSERT_TRUE(upper && lower && gauge);
  EXPECT_EQ(upper->geometry(), QRect(0, 0, 748, 499));
  EXPECT_EQ(lower->geometry(), QRect(0, 499, 748, 44));
  EXPECT_EQ(gauge->parentWidget(), upper);
  EXPECT_EQ(gauge->geometry(), QRect(0, 476, 748, 23));
  for (const char* name : {"Image2", "ImagePremium", "Image300"}) {
    QWidget* image = Child(window, name);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->parentWidget(), upper) << name;
    EXPECT_EQ(image->geometry(), QRect(0, 0, 747, 478)) << name;
  }

  // Two buttons that exist but are never shown.
  const auto buttons = lower->findChildren<QPushButton*>();
  std::vector<std::string> texts;
  for (const QPushButton* button : buttons) {
    texts.push_back(button->text().toStdString());
    EXPECT_FALSE(button->isVisible()) << texts.back();
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"OK", "Abbrechen"}));

  const QFont font = window.font();
  EXPECT_EQ(font.families(), (QStringList{"Tahoma", "DejaVu Sans"}));
  EXPECT_EQ(font.pointSize(), 8);
  EXPECT_EQ(gauge->font().families(), font.families()) << "children take the window's font";

  // A larger frame: the upper panel grows, the gauge stays on its bottom edge
  // at full width, the lower panel stays 44 high and the banners keep their size.
  window.resize(900, 600);
  ASSERT_TRUE(WaitUntil([&] { return upper->height() == 556; }));
  EXPECT_EQ(upper->geometry(), QRect(0, 0, 900, 556));
  EXPECT_EQ(lower->geometry(), QRect(0, 556, 900, 44));
  EXPECT_EQ(gauge->geometry(), QRect(0, 533, 900, 23));
  EXPECT_EQ(Child(window, "Image2")->geometry(), QRect(0, 0, 747, 478));
}

TEST(QtMainWindowTest, BannersShowTheirPictureUnscaledFromTheTopLeftCorner) {
  MainWindow window;
  const struct {
    const char* label;
    const char* resource;
  } banners[] = {{"Image2", ":/banners/standard.jpg"},
                 {"ImagePremium", ":/banners/premium.jpg"},
                 {"Image300", ":/banners/300.jpg"}};
  for (const auto& banner : banners) {
    SCOPED_TRACE(banner.label);
    const QImage picture(QString::fromLatin1(banner.resource));
    ASSERT_EQ(picture.size(), QSize(756, 482));
    QWidget* label = Child(window, banner.label);
    ASSERT_NE(label, nullptr);
    const QImage shown = label->grab().toImage().convertToFormat(picture.format());
    ASSERT_EQ(shown.size(), QSize(747, 478));
    for (const QPoint at : {QPoint(0, 0), QPoint(100, 80), QPoint(400, 300), QPoint(746, 477)}) {
      EXPECT_EQ(shown.pixel(at), picture.pixel(at)) << at.x() << "," << at.y();
    }
  }
}

TEST(QtMainWindowTest, EditionCodeChoosesTheBanner) {
  // Codes applied one after the other to a fresh window, and the one banner
  // shown afterwards. No code leaves the banner as laid out; an unknown code
  // changes nothing, also after a known one.
  const struct {
    std::string codes;
    const char* shown;
  } cases[] = {
      {"", "Image2"},
      {"J", "ImagePremium"},
      {"N", "Image2"},
      {"3", "Image300"},
      {"X", "Image2"},
      {"j", "Image2"},
      {std::string(1, '\0'), "Image2"},
      {"JX", "ImagePremium"},
      {"3N", "Image2"},
      {"N3J", "ImagePremium"},
      {"J3", "Image300"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("codes \"" + c.codes + "\"");
    MainWindow window;
    for (char code : c.codes) window.ApplyBanner(code);
    std::vector<std::string> shown;
    for (const char* name : {"Image2", "ImagePremium", "Image300"}) {
      if (!Child(window, name)->isHidden()) shown.push_back(name);
    }
    EXPECT_EQ(shown, std::vector<std::string>{c.shown});
  }
}

TEST(QtMainWindowTest, BusyCursorIsSetNotStacked) {
  ASSERT_EQ(QApplication::overrideCursor(), nullptr);
  {
    MainWindow window;
    window.SetBusyCursor(true);
    window.SetBusyCursor(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    window.SetBusyCursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    window.SetBusyCursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    window.SetBusyCursor(true);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "a closed window leaves no busy cursor";
}

}  // namespace
}  // namespace quelor::ui
