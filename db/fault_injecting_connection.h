// A connection decorator that makes one statement of a run fail, for the
// fault sweep: statement k (counted over every connection that shares one
// plan) is refused as a server would refuse it, or the server is lost from
// statement k on, so that k and everything after it, reconnects included,
// fail as a broken network link does.
#pragma once

#include <cstdint>
#include <string>

#include "db/connection.h"

namespace quelor::db {

// Statements are Execute, Query and InsertRow calls; opening and closing are
// not counted.
struct FaultPlan {
  enum class Mode { kNone, kRefuse, kLoseConnection };
  Mode mode = Mode::kNone;
  std::int64_t fail_at = 0;  // 1-based number of the statement that fails

  std::int64_t statements = 0;  // statements seen so far, the failing one included
  bool fired = false;           // the fault has happened
};

// The texts the faults carry: a refusal as the server words a generic one,
// and the driver's text for a broken link.
inline constexpr char kInjectedRefusalText[] = "The statement was refused (injected fault).";
inline constexpr char kLostConnectionText[] = "Communication link failure";

class FaultInjectingConnection : public Connection {
 public:
  FaultInjectingConnection(Connection& inner, FaultPlan& plan) : inner_(inner), plan_(plan) {}

  void Open(const std::string& connection_text) override;
  void Close() override { inner_.Close(); }
  bool IsOpen() const override;
  void Execute(const std::string& text) override;
  ResultSet Query(const std::string& text) override;
  void InsertRow(const std::string& table, const std::vector<ColumnValue>& values) override;

 private:
  // Counts one statement and throws when the plan says it fails.
  void Statement();
  bool Lost() const;

  Connection& inner_;
  FaultPlan& plan_;
};

}  // namespace quelor::db
