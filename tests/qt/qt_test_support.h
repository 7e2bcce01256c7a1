// Shared pieces of the window tests: the application object, waiting for the
// event loop, a connection double, and a dialog recorder.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/run_view.h"
#include "db/connection.h"
#include "ui/qt/dialog_presenter.h"

namespace quelor::testing {

// Processes events until `done` holds or `timeout_ms` has passed; returns
// whether it holds.
bool WaitUntil(const std::function<bool()>& done, int timeout_ms = 5000);

// A connection that opens unless told to fail, answers queries from a table of
// exact texts (an empty result for any other text), accepts every statement,
// and fails every statement while it is closed.
class FakeConnection : public db::Connection {
 public:
  std::optional<std::string> open_failure;
  std::vector<std::pair<std::string, db::ResultSet>> answers;
  int opens = 0;

  void Open(const std::string& connection_text) override;
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  void Execute(const std::string& text) override;
  db::ResultSet Query(const std::string& text) override;
  void InsertRow(const std::string& table, const std::vector<db::ColumnValue>& values) override;

 private:
  void RequireOpen() const;
  bool open_ = false;
};

struct RecordedDialog {
  app::DialogKind kind;
  std::string caption;
  std::string text;
  bool operator==(const RecordedDialog&) const = default;
};
void PrintTo(const RecordedDialog& dialog, std::ostream* out);

// A presenter that writes the dialogs down and returns at once, as if OK had
// been clicked.
ui::DialogPresenter RecordInto(std::vector<RecordedDialog>& dialogs);

}  // namespace quelor::testing
