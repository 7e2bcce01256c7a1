#include "qt/qt_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdlib>
#include <memory>

#include "db/error.h"

namespace quelor::testing {
namespace {

// The one QApplication of the window tests, made before the first test runs
// and kept until the last has finished. ctest selects the offscreen platform;
// a test binary started by hand gets it here.
class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
    application_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "quelor_qt_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace

bool WaitUntil(const std::function<bool()>& done, int timeout_ms) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeout_ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(2);
  }
  return true;
}

void FakeConnection::Open(const std::string&) {
  ++opens;
  open_ = false;
  if (open_failure) throw db::Error(*open_failure);
  open_ = true;
}

void FakeConnection::RequireOpen() const {
  if (!open_) throw db::Error("The connection is closed.");
}

void FakeConnection::Execute(const std::string&) { RequireOpen(); }

db::ResultSet FakeConnection::Query(const std::string& text) {
  RequireOpen();
  for (const auto& [query, result] : answers) {
    if (query == text) return result;
  }
  return db::ResultSet({"name"}, {});
}

void FakeConnection::InsertRow(const std::string&, const std::vector<db::ColumnValue>&) {
  RequireOpen();
}

void PrintTo(const RecordedDialog& dialog, std::ostream* out) {
  *out << app::DialogKindName(dialog.kind) << " [" << dialog.caption << "] " << dialog.text;
}

ui::DialogPresenter RecordInto(std::vector<RecordedDialog>& dialogs) {
  return [&dialogs](app::DialogKind kind, const QString& caption, const QString& text, QWidget*) {
    dialogs.push_back({kind, caption.toStdString(), text.toStdString()});
  };
}

}  // namespace quelor::testing
