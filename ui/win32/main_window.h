// The one window of the update tool on Windows, drawn with the Win32 API: the
// banner picture of the edition, the progress gauge below it and a lower
// panel whose two buttons are never shown. It is the run's view: caption,
// gauge, dialogs, busy cursor and message processing all go through here.
#pragma once

// clang-format off
#include <windows.h>
// clang-format on

#include <functional>
#include <string>

#include "app/run_view.h"

namespace quelor::ui {

// The MessageBoxW icon and button flags of a dialog kind.
UINT MessageBoxFlags(app::DialogKind kind);

class Win32MainWindow : public app::RunView {
 public:
  static constexpr int kClientWidth = 748;
  static constexpr int kClientHeight = 543;
  static constexpr int kLowerPanelHeight = 44;
  static constexpr int kGaugeHeight = 23;
  static constexpr int kBannerWidth = 747;
  static constexpr int kBannerHeight = 478;

  using DialogPresenter = std::function<void(
      HWND owner, app::DialogKind kind, const std::wstring& caption, const std::wstring& text)>;

  // Creates the window hidden and laid out, with the standard banner shown.
  Win32MainWindow();
  ~Win32MainWindow() override;
  Win32MainWindow(const Win32MainWindow&) = delete;
  Win32MainWindow& operator=(const Win32MainWindow&) = delete;

  HWND handle() const { return window_; }

  // 'J' premium, 'N' standard, '3' the 300 edition; any other code leaves
  // the banner as it is.
  void ApplyBanner(char edition_code);
  char shown_banner() const { return banner_; }
  int gauge() const { return gauge_value_; }

  // Called once, at the first activation of the window (or, where nothing
  // activates it, as soon as messages are processed after it was shown).
  void set_first_activation_handler(std::function<void()> handler) {
    first_activation_ = std::move(handler);
  }
  void set_dialog_presenter(DialogPresenter presenter) { present_dialog_ = std::move(presenter); }

  // Centres the client area on the work area and shows the window.
  void Show();
  // Closes the window from the program (always allowed).
  void Close();

  // After a run that did not finish: the lower panel says that the update was
  // stopped and the window may be closed, and `report` (the run report as
  // text) opens beside the window in a read-only text view.
  void ShowRunStopped(const std::string& report);
  HWND stopped_label() const { return stopped_label_; }
  HWND report_view() const { return report_view_; }

  // app::RunView
  void SetCaption(const std::string& caption) override;
  void SetGauge(int percent) override;
  void ShowDialog(app::DialogKind kind, const std::string& caption,
                  const std::string& text) override;
  void SetBusyCursor(bool busy) override;
  void ProcessMessages() override;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
  static LRESULT CALLBACK GaugeProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  void PaintBanner();
  void PaintGauge(HWND gauge);
  void Layout();
  void FireFirstActivation();

  HWND window_ = nullptr;
  HWND gauge_window_ = nullptr;
  HWND stopped_label_ = nullptr;
  HWND report_view_ = nullptr;
  HFONT font_ = nullptr;
  HBITMAP banners_[3] = {};  // standard, premium, 300
  char banner_ = 'N';
  int gauge_value_ = 0;
  bool busy_cursor_ = false;
  bool activated_once_ = false;
  bool in_first_activation_ = false;
  bool closing_by_program_ = false;
  std::function<void()> first_activation_;
  DialogPresenter present_dialog_;
};

}  // namespace quelor::ui
