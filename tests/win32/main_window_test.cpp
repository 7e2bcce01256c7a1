// The Win32 window under Wine: its size and place, the banner per edition,
// the gauge as painted, captions with umlauts, the dialogs' icons, and the
// run starting once at the first activation with the close box held off.
#include "ui/win32/main_window.h"

#include <gtest/gtest.h>

#include <vector>

namespace quelor::ui {
namespace {

TEST(Win32MainWindow, HasTheClientSizeAndIsCentredOnTheWorkArea) {
  Win32MainWindow window;
  window.Show();
  RECT client;
  ::GetClientRect(window.handle(), &client);
  EXPECT_EQ(client.right, 748);
  EXPECT_EQ(client.bottom, 543);
  RECT frame;
  RECT work;
  ::GetWindowRect(window.handle(), &frame);
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 1);
  EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 1);
}

TEST(Win32MainWindow, ShowsTheBannerOfTheEdition) {
  const struct {
    char code;
    char shown;
  } cases[] = {{'J', 'J'}, {'N', 'N'}, {'3', '3'}, {'X', 'N'}};
  for (const auto& c : cases) {
    Win32MainWindow window;
    window.ApplyBanner(c.code);
    EXPECT_EQ(window.shown_banner(), c.shown) << c.code;
  }
}

TEST(Win32MainWindow, PaintsTheGaugeAtOnceInItsColours) {
  Win32MainWindow window;
  window.Show();
  window.ProcessMessages();
  window.SetGauge(150);
  EXPECT_EQ(window.gauge(), 100);
  window.SetGauge(50);
  EXPECT_EQ(window.gauge(), 50);
  // No message processing in between: the bar was painted by SetGauge.
  const HDC dc = ::GetDC(window.handle());
  const int y = 543 - 44 - 23 + 2;
  EXPECT_EQ(::GetPixel(dc, 10, y), RGB(0x00, 0x00, 0x80)) << "the bar, left of the middle";
  EXPECT_EQ(::GetPixel(dc, 740, y), RGB(0xFF, 0x00, 0x00)) << "the rest, right of it";
  ::ReleaseDC(window.handle(), dc);
}

TEST(Win32MainWindow, WritesCaptionsAsUnicode) {
  Win32MainWindow window;
  window.SetCaption("QUELOR_M\xC3\xBCnchen/Quelor vereinsverwaltung premium - SQL Update");
  wchar_t text[256];
  ::GetWindowTextW(window.handle(), text, 256);
  EXPECT_STREQ(text, L"QUELOR_M\u00FCnchen/Quelor vereinsverwaltung premium - SQL Update");
}

TEST(Win32MainWindow, ShowsEachDialogKindWithItsIcon) {
  EXPECT_EQ(MessageBoxFlags(app::DialogKind::kWarning), UINT(MB_OK | MB_ICONWARNING));
  EXPECT_EQ(MessageBoxFlags(app::DialogKind::kError), UINT(MB_OK | MB_ICONERROR));
  EXPECT_EQ(MessageBoxFlags(app::DialogKind::kInformation), UINT(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(MessageBoxFlags(app::DialogKind::kPlain), UINT(MB_OK));
  EXPECT_EQ(MessageBoxFlags(app::DialogKind::kStop), UINT(MB_OK | MB_ICONSTOP));

  Win32MainWindow window;
  std::vector<std::wstring> shown;
  window.set_dialog_presenter(
      [&](HWND owner, app::DialogKind, const std::wstring& caption, const std::wstring& text) {
        EXPECT_EQ(owner, window.handle());
        shown.push_back(caption + L": " + text);
      });
  window.ShowDialog(app::DialogKind::kInformation, "Informationen",
                    "UPDATE erfolgreich ausgef\xC3\xBChrt!");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], L"Informationen: UPDATE erfolgreich ausgef\u00FChrt!");
}

TEST(Win32MainWindow, StartsTheRunOnceAndHoldsOffTheCloseBoxWhileItWorks) {
  Win32MainWindow window;
  int runs = 0;
  bool still_there_after_close = false;
  window.set_first_activation_handler([&] {
    ++runs;
    ::SendMessageW(window.handle(), WM_CLOSE, 0, 0);  // the user's close box
    window.ProcessMessages();
    still_there_after_close = ::IsWindow(window.handle()) != 0;
  });
  window.Show();
  window.ProcessMessages();
  ::SendMessageW(window.handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  window.ProcessMessages();
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(still_there_after_close);
  // After the run a close by the user ends the window.
  ::SendMessageW(window.handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(window.handle()));
}

}  // namespace
}  // namespace quelor::ui

namespace quelor::ui {
namespace {

// After a stop the lower panel says so and the report opens read-only beside
// the window, with its lines intact.
TEST(Win32MainWindow, AfterAStopSaysSoAndShowsTheReport) {
  Win32MainWindow window;
  window.Show();
  EXPECT_FALSE(::IsWindowVisible(window.stopped_label()));
  window.ShowRunStopped("Report: run stopped\n  QUELOR_A  stopped\n");
  EXPECT_TRUE(::IsWindowVisible(window.stopped_label()));
  wchar_t text[256] = {};
  ::GetWindowTextW(window.stopped_label(), text, 256);
  EXPECT_EQ(std::wstring(text),
            L"Das Update wurde abgebrochen. Das Fenster kann geschlossen werden.");
  ASSERT_NE(window.report_view(), nullptr);
  EXPECT_TRUE(::IsWindowVisible(window.report_view()));
  EXPECT_NE(::GetWindowLongW(window.report_view(), GWL_STYLE) & ES_READONLY, 0);
  ::GetWindowTextW(window.report_view(), text, 256);
  EXPECT_EQ(std::wstring(text), L"Report: run stopped\r\n  QUELOR_A  stopped\r\n");
}

}  // namespace
}  // namespace quelor::ui
