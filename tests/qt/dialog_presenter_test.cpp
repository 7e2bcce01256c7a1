// The run's dialogs as message boxes: icon per kind, caption and text exactly
// as given, one OK button; and the window hands them to its presenter.
#include "ui/qt/dialog_presenter.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <vector>

#include "qt/qt_test_support.h"
#include "ui/qt/main_window.h"

namespace quelor::ui {
namespace {

using app::DialogKind;
using testing::RecordedDialog;

TEST(QtDialogTest, MessageBoxPerKind) {
  const struct {
    DialogKind kind;
    QMessageBox::Icon icon;
  } cases[] = {
      {DialogKind::kWarning, QMessageBox::Warning},
      {DialogKind::kError, QMessageBox::Critical},
      {DialogKind::kInformation, QMessageBox::Information},
      {DialogKind::kPlain, QMessageBox::NoIcon},
      {DialogKind::kStop, QMessageBox::Critical},
  };
  // A server text with markup characters and a line break must appear as is.
  const QString text = QString::fromUtf8("Ungültiger Spaltenname 'Kn5a' <b>x</b>.\nZeile 2");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(app::DialogKindName(c.kind)));
    const auto box = MakeMessageBox(c.kind, QStringLiteral("Warnung"), text, nullptr);
    EXPECT_EQ(box->icon(), c.icon);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Warnung"));
    EXPECT_EQ(box->text(), text);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->buttons().size(), 1);
  }
}

TEST(QtDialogTest, PresenterWaitsForOk) {
  // Click OK on the box once it is up; PresentMessageBox must return then.
  bool clicked = false;
  QTimer clicker;
  QObject::connect(&clicker, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Informationen"));
    box->button(QMessageBox::Ok)->click();
    clicked = true;
  });
  clicker.start(10);
  PresentMessageBox(DialogKind::kInformation, QStringLiteral("Informationen"),
                    QString::fromUtf8("UPDATE erfolgreich ausgeführt!"), nullptr);
  EXPECT_TRUE(clicked);
}

TEST(QtDialogTest, WindowPassesDialogsToItsPresenterUnchanged) {
  MainWindow window;
  std::vector<RecordedDialog> dialogs;
  window.set_dialog_presenter(testing::RecordInto(dialogs));
  const std::string title(app::kApplicationTitle);
  window.ShowDialog(DialogKind::kWarning, "Warnung", "Spalte »Straße« fehlt");
  window.ShowDialog(DialogKind::kPlain, title, "");
  window.ShowDialog(DialogKind::kStop, title, "Login failed for user 'sa'.");
  EXPECT_EQ(dialogs, (std::vector<RecordedDialog>{
                         {DialogKind::kWarning, "Warnung", "Spalte »Straße« fehlt"},
                         {DialogKind::kPlain, title, ""},
                         {DialogKind::kStop, title, "Login failed for user 'sa'."},
                     }));
}

}  // namespace
}  // namespace quelor::ui
