#include "db/fault_injecting_connection.h"

#include "db/error.h"

namespace quelor::db {
namespace {

[[noreturn]] void ThrowLost() { throw Error(kLostConnectionText, 0, "08S01"); }

}  // namespace

bool FaultInjectingConnection::Lost() const {
  return plan_.fired && plan_.mode == FaultPlan::Mode::kLoseConnection;
}

void FaultInjectingConnection::Statement() {
  if (Lost()) ThrowLost();
  ++plan_.statements;
  if (plan_.mode == FaultPlan::Mode::kNone || plan_.statements != plan_.fail_at) return;
  plan_.fired = true;
  if (plan_.mode == FaultPlan::Mode::kLoseConnection) {
    // What the server had not committed is gone with the session.
    inner_.Close();
    ThrowLost();
  }
  throw Error(kInjectedRefusalText, 50000, "42000");
}

void FaultInjectingConnection::Open(const std::string& connection_text) {
  if (Lost()) {
    throw Error("Unable to connect: Adaptive Server is unavailable or does not exist", 0, "08001");
  }
  inner_.Open(connection_text);
}

bool FaultInjectingConnection::IsOpen() const { return !Lost() && inner_.IsOpen(); }

void FaultInjectingConnection::Execute(const std::string& text) {
  Statement();
  inner_.Execute(text);
}

ResultSet FaultInjectingConnection::Query(const std::string& text) {
  Statement();
  return inner_.Query(text);
}

void FaultInjectingConnection::InsertRow(const std::string& table,
                                         const std::vector<ColumnValue>& values) {
  Statement();
  inner_.InsertRow(table, values);
}

}  // namespace quelor::db
