// The one window of the update tool: the banner picture of the edition, the
// progress gauge below it, and a lower panel whose two buttons are never
// shown (the run starts by itself and the user can only close the window);
// after a stop the panel says so.
// It is the run's view: caption, gauge, dialogs, busy cursor and message
// processing all go through here.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "app/run_view.h"
#include "ui/qt/dialog_presenter.h"
#include "ui/qt/gauge_widget.h"

namespace quelor::ui {

class MainWindow : public QWidget, public app::RunView {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{748, 543};
  static constexpr int kLowerPanelHeight = 44;
  static constexpr int kGaugeHeight = 23;
  static constexpr QSize kBannerSize{747, 478};

  // Creates the window hidden and laid out, with Image2 as the shown banner.
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Shows the banner of `edition_code`: 'J' premium, 'N' standard, '3' the
  // 300 edition; any other code leaves the banners as they are.
  void ApplyBanner(char edition_code);

  // Called once: at the first activation of the window, or, where nothing
  // activates windows (no window manager, the offscreen platform), as soon as
  // the event loop runs after the window first reached the screen.
  void set_first_activation_handler(std::function<void()> handler) {
    first_activation_ = std::move(handler);
  }
  void set_dialog_presenter(DialogPresenter presenter) { present_dialog_ = std::move(presenter); }

  // Puts the client area in the middle of the screen the window is on.
  void CentreOnScreen();

  GaugeWidget& gauge() { return *gauge_; }

  // After a run that did not finish: the lower panel says that the update was
  // stopped and the window may be closed, and `report` (the run report as
  // text) opens beside the window in a read-only view.
  void ShowRunStopped(const std::string& report);

  // app::RunView
  void SetCaption(const std::string& caption) override;
  void SetGauge(int percent) override;
  void ShowDialog(app::DialogKind kind, const std::string& caption,
                  const std::string& text) override;
  void SetBusyCursor(bool busy) override;
  void ProcessMessages() override;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLayout();
  QLabel* MakeBanner(QWidget* panel, const char* name, const QString& resource);
  void FireFirstActivation();

  QWidget* upper_panel_ = nullptr;
  QLabel* image_standard_ = nullptr;
  QLabel* image_premium_ = nullptr;
  QLabel* image_300_ = nullptr;
  GaugeWidget* gauge_ = nullptr;
  QWidget* lower_panel_ = nullptr;
  QLabel* stopped_label_ = nullptr;

  std::function<void()> first_activation_;
  DialogPresenter present_dialog_ = PresentMessageBox;
  bool activated_once_ = false;
  bool watching_exposure_ = false;
  bool fallback_scheduled_ = false;
  bool in_first_activation_ = false;
  bool busy_cursor_ = false;
};

}  // namespace quelor::ui
