// A decorator that writes every call on a real connection (usually the
// simulated server's) into the transcript: "<name> execute <text>",
// "<name> query <text>", "<name> insert <table>", and "<name> failed <text>"
// after a call that failed. The statements that bracket a one-time group
// (db/all_or_nothing.h) are written as "<name> transaction <text>".
#pragma once

#include "db/connection.h"
#include "support/transcript.h"

namespace quelor::testing {

class RecordingConnection : public db::Connection {
 public:
  RecordingConnection(db::Connection& inner, Transcript& transcript, std::string name)
      : inner_(inner), transcript_(transcript), name_(std::move(name)) {}

  void Open(const std::string& connection_text) override { inner_.Open(connection_text); }
  void Close() override { inner_.Close(); }
  bool IsOpen() const override { return inner_.IsOpen(); }
  void Execute(const std::string& text) override;
  db::ResultSet Query(const std::string& text) override;
  void InsertRow(const std::string& table, const std::vector<db::ColumnValue>& values) override;

 private:
  template <typename Action>
  auto Recorded(const std::string& kind, const std::string& text, Action&& action);

  db::Connection& inner_;
  Transcript& transcript_;
  std::string name_;
};

}  // namespace quelor::testing
