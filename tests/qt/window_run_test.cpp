// The run in the window: it starts once, at the first activation (or, with
// nothing to activate the window, once it is on the screen); a finished run
// closes the window, a stopped one leaves it open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWindow>
#include <memory>
#include <vector>

#include "app/update_run.h"
#include "config/ini_file.h"
#include "db/error.h"
#include "qt/qt_test_support.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_front_end.h"

namespace quelor::ui {
namespace {

using app::DialogKind;
using testing::FakeConnection;
using testing::RecordedDialog;
using testing::WaitUntil;

const std::string kTitle(app::kApplicationTitle);

TEST(QtWindowRunTest, FirstActivationHandlerRunsExactlyOnce) {
  for (const bool activate_by_hand : {false, true}) {
    SCOPED_TRACE(activate_by_hand ? "window activated" : "no activation asked for");
    MainWindow window;
    int calls = 0;
    window.set_first_activation_handler([&] { ++calls; });
    window.show();
    if (activate_by_hand) window.activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return calls > 0; }));

    // Activations later on, as when a dialog closes or the user comes back
    // from another program, and showing the window again change nothing.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
    window.hide();
    window.show();
    window.activateWindow();
    QApplication::sendEvent(&window, &activate);
    WaitUntil([] { return false; }, 100);
    EXPECT_EQ(calls, 1);
  }
}

// Swallows every activation of one window, as a display without a window
// manager does.
class ActivationBlocker : public QObject {
 public:
  explicit ActivationBlocker(QObject* target) : target_(target) {
    QApplication::instance()->installEventFilter(this);
  }
  ~ActivationBlocker() override { QApplication::instance()->removeEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    return watched == target_ && event->type() == QEvent::WindowActivate;
  }

 private:
  QObject* target_;
};

TEST(QtWindowRunTest, StartsOnceWhenNothingActivatesTheWindow) {
  MainWindow window;
  ActivationBlocker blocker(&window);
  int calls = 0;
  bool was_exposed = false;
  window.set_first_activation_handler([&] {
    ++calls;
    was_exposed = window.windowHandle()->isExposed();
  });
  window.show();
  ASSERT_TRUE(WaitUntil([&] { return calls > 0; }));
  EXPECT_TRUE(was_exposed) << "the run waits until the window is on the screen";
  window.hide();
  window.show();
  WaitUntil([] { return false; }, 100);
  EXPECT_EQ(calls, 1);
}

// One window with a real update run on connection doubles.
class WindowWithRun {
 public:
  explicit WindowWithRun(std::function<void(migration::TenantContext&)> steps = nullptr) {
    window.set_dialog_presenter(testing::RecordInto(dialogs));
    app::RunDependencies deps{catalogue, working, window,
                              [] { return config::IniFile::Parse(""); }};
    if (steps) deps.catalogue_steps = std::move(steps);
    run = std::make_unique<app::UpdateRun>(std::move(deps));
    AttachRun(window, *run);
  }

  // Shows the window and waits until the run has ended.
  void ShowAndWait() {
    window.show();
    ASSERT_TRUE(WaitUntil([&] { return run->outcome() != app::RunOutcome::kNotStarted; }));
    WaitUntil([] { return false; }, 50);
  }

  bool Shown(const char* name) { return !window.findChild<QWidget*>(name)->isHidden(); }

  FakeConnection catalogue;
  FakeConnection working;
  std::vector<RecordedDialog> dialogs;
  MainWindow window;
  std::unique_ptr<app::UpdateRun> run;
};

TEST(QtWindowRunTest, FinishedRunClosesTheWindow) {
  WindowWithRun fixture;  // the server lists no tenant database
  fixture.ShowAndWait();

  EXPECT_EQ(fixture.run->outcome(), app::RunOutcome::kFinished);
  EXPECT_EQ(fixture.dialogs,
            (std::vector<RecordedDialog>{
                {DialogKind::kInformation, "Informationen", std::string(app::kSuccessText)}}));
  EXPECT_FALSE(fixture.window.isVisible());
  EXPECT_EQ(ExitStatus(*fixture.run), 0);
  // Once for the tenant list, once for the pass over all databases.
  EXPECT_EQ(fixture.catalogue.opens, 2);
  EXPECT_TRUE(fixture.Shown("ImagePremium")) << "edition J";
  EXPECT_FALSE(fixture.Shown("Image2"));
}

TEST(QtWindowRunTest, StoppedRunLeavesTheWindowOpenAndIdle) {
  WindowWithRun fixture;
  fixture.catalogue.open_failure = "Anmeldung fehlgeschlagen";
  fixture.ShowAndWait();

  EXPECT_EQ(fixture.run->outcome(), app::RunOutcome::kStopped);
  ASSERT_EQ(fixture.dialogs.size(), 2u);
  EXPECT_EQ(fixture.dialogs[0].kind, DialogKind::kError);
  EXPECT_EQ(fixture.dialogs[0].caption, "Fehler");
  EXPECT_EQ(fixture.dialogs[1],
            (RecordedDialog{DialogKind::kStop, kTitle, "Anmeldung fehlgeschlagen."}))
      << "the stop box ends a text that ends in a letter with a full stop";
  EXPECT_TRUE(fixture.window.isVisible());
  EXPECT_EQ(fixture.window.windowTitle().toStdString(), kTitle);
  EXPECT_EQ(fixture.window.gauge().value(), 0);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(ExitStatus(*fixture.run), 1);
  // It no longer looks busy: the lower panel says the update was stopped (its
  // buttons stay hidden) and the report opens beside the window.
  const auto* stopped = fixture.window.findChild<QLabel*>(QStringLiteral("StoppedLabel"));
  ASSERT_NE(stopped, nullptr);
  EXPECT_TRUE(stopped->isVisible());
  EXPECT_EQ(stopped->text().toStdString(),
            "Das Update wurde abgebrochen. Das Fenster kann geschlossen werden.");
  EXPECT_FALSE(fixture.Shown("ButtonOK"));
  const auto* report = fixture.window.findChild<QPlainTextEdit*>(QStringLiteral("ReportView"));
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(report->isVisible());
  EXPECT_TRUE(report->isReadOnly());
  EXPECT_TRUE(report->toPlainText().startsWith(QStringLiteral("Report: run stopped")))
      << report->toPlainText().toStdString();
  EXPECT_TRUE(report->toPlainText().contains(QStringLiteral("stop: Anmeldung fehlgeschlagen.")))
      << report->toPlainText().toStdString();

  // Nothing starts it again; the user's close box still ends it.
  fixture.window.activateWindow();
  WaitUntil([] { return false; }, 100);
  EXPECT_EQ(fixture.dialogs.size(), 2u);
  EXPECT_TRUE(fixture.window.close());
  EXPECT_EQ(ExitStatus(*fixture.run), 1);
}

TEST(QtWindowRunTest, TenantMigrationShowsCaptionBusyCursorAndGauge) {
  struct Seen {
    std::string caption;
    bool busy;
    int gauge;
  };
  std::vector<Seen> seen;
  WindowWithRun* fixture_ptr = nullptr;
  auto look = [&] {
    const QCursor* cursor = QApplication::overrideCursor();
    seen.push_back({fixture_ptr->window.windowTitle().toStdString(),
                    cursor != nullptr && cursor->shape() == Qt::WaitCursor,
                    fixture_ptr->window.gauge().value()});
  };
  WindowWithRun fixture([&](migration::TenantContext& context) {
    look();
    context.progress.UpdateProgress();
    look();
  });
  fixture_ptr = &fixture;
  fixture.catalogue.answers.push_back(
      {std::string(app::kTenantListQuery), db::ResultSet({"name"}, {{"QUELOR_A"}, {"QUELOR_B"}})});
  fixture.ShowAndWait();

  ASSERT_EQ(seen.size(), 4u);
  for (std::size_t i = 0; i < seen.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(seen[i].caption, (i < 2 ? "QUELOR_A/" : "QUELOR_B/") + kTitle);
    EXPECT_TRUE(seen[i].busy);
    EXPECT_EQ(seen[i].gauge, i % 2 == 0 ? 1 : 8);
  }
  EXPECT_EQ(fixture.run->outcome(), app::RunOutcome::kFinished);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(fixture.window.gauge().value(), 0);
  EXPECT_EQ(fixture.window.windowTitle().toStdString(), kTitle);
  EXPECT_FALSE(fixture.window.isVisible());
}

}  // namespace
}  // namespace quelor::ui
