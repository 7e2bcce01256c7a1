#include "db/odbc_connection.h"

#include <optional>

#include "db/connect_failure_hint.h"
#include "db/error.h"
#include "db/odbc_api.h"
#include "db/odbc_batch.h"
#include "db/odbc_connection_string.h"
#include "db/odbc_diagnostics.h"
#include "db/odbc_driver.h"
#include "db/odbc_handle.h"
#include "db/odbc_result_reader.h"
#include "db/odbc_text.h"
#include "platform/instance_port_lookup.h"

namespace quelor::db {
namespace {

// Above this length a text parameter goes as nvarchar(max).
constexpr std::size_t kLongTextThreshold = 4000;

// One bound parameter of the single-row insert. The driver reads the buffers
// at execute time, so they live until then at a fixed address.
struct BoundValue {
  std::optional<WideText> text;
  std::int64_t integer = 0;
  double real = 0;
  char null_buffer[1] = {};
  SQLLEN indicator = 0;
};

// A connect that did not reach the server or got no answer in time, rather
// than one the server refused (a wrong password, an unknown database): only
// then do the server address and what to check help. FreeTDS numbers its own
// network failures from 20000 (20009 unreachable, 20003 timed out); what the
// server says has its own numbers (18456 login failed, 4060 no database).
bool IsNetworkFailure(const std::vector<DiagRecord>& records) {
  bool not_connected = false;
  for (const DiagRecord& r : records) {
    const bool from_server =
        r.native_error != 0 && (r.native_error < 20000 || r.native_error >= 21000);
    if (from_server) return false;
    if (r.sql_state == "08001" || r.sql_state == "08S01" || r.sql_state.starts_with("HYT")) {
      not_connected = true;
    }
  }
  return not_connected;
}

bool IsTimeout(const std::vector<DiagRecord>& records) {
  for (const DiagRecord& r : records) {
    if (r.sql_state.starts_with("HYT")) return true;
  }
  return false;
}

class OdbcConnection : public Connection {
 public:
  OdbcConnection(std::chrono::seconds login_timeout, Encryption encryption)
      : login_timeout_(login_timeout), encryption_(encryption) {}
  ~OdbcConnection() override { Close(); }

  void Open(const std::string& connection_text) override;
  void Close() override;
  bool IsOpen() const override { return connected_; }
  void Execute(const std::string& text) override;
  ResultSet Query(const std::string& text) override;
  void InsertRow(const std::string& table, const std::vector<ColumnValue>& values) override;

 private:
  OdbcHandle NewStatement();
  // Runs `send`; a failure after which the driver finds the link dead is
  // passed on as a lost connection (08S01), whatever words the driver chose
  // ("Unexpected EOF from the server" comes with a general state).
  template <typename Send>
  auto MarkingLostLink(Send&& send) -> decltype(send());
  bool LinkDead();
  void SendBatch(const std::string& text);
  ResultSet QueryBatch(const std::string& text);
  void SendInsert(const std::string& table, const std::vector<ColumnValue>& values);

  // Declared before the connection handle, so it is freed after it.
  OdbcHandle environment_;
  OdbcHandle connection_;
  bool connected_ = false;
  std::chrono::seconds login_timeout_;
  Encryption encryption_;
};

void OdbcConnection::Open(const std::string& connection_text) {
  Close();
  const SqlServerDriver driver = FindSqlServerDriver();
  // A provider that names no SQL Server client fails here, before any ODBC call.
  MapConnectionText(connection_text, driver, {}, encryption_);
  const ServerAddress server = ServerOf(connection_text);
  std::string instance_port;
  // Microsoft's drivers ask the browser service themselves, within the login
  // time-out; FreeTDS would try for a fixed 16 seconds.
  if (!server.instance.empty() && driver.kind == DriverKind::kFreeTds) {
    const platform::InstancePortLookup lookup =
        platform::LookUpInstancePort(server.host, server.instance, login_timeout_);
    if (!lookup.port) {
      throw Error(lookup.failure + "\n\n" + ConnectFailureHint(server, login_timeout_, false));
    }
    instance_port = std::to_string(*lookup.port);
  }
  WideText odbc_string(MapConnectionText(connection_text, driver, instance_port, encryption_));
  if (!environment_) {
    OdbcHandle environment(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
    SQLSetEnvAttr(environment.get(), SQL_ATTR_ODBC_VERSION,
                  reinterpret_cast<SQLPOINTER>(static_cast<std::intptr_t>(SQL_OV_ODBC3)), 0);
    environment_ = std::move(environment);
  }
  OdbcHandle connection(SQL_HANDLE_DBC, environment_.get());
  // Set before connecting: FreeTDS takes it as the time-out of the TCP connect
  // and of every wait for the server during the login.
  SQLSetConnectAttr(
      connection.get(), SQL_ATTR_LOGIN_TIMEOUT,
      reinterpret_cast<SQLPOINTER>(static_cast<std::intptr_t>(login_timeout_.count())),
      SQL_IS_UINTEGER);
  // No login prompt.
  const SQLRETURN rc = SQLDriverConnectW(connection.get(), nullptr, odbc_string.data(), SQL_NTS,
                                         nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(rc)) {
    const std::vector<DiagRecord> records = ReadDiagnostics(SQL_HANDLE_DBC, connection.get());
    const Error error = ConnectError(records, driver.name);
    if (!IsNetworkFailure(records)) throw error;
    throw Error(std::string(error.what()) + "\n\n" +
                    ConnectFailureHint(server, login_timeout_, IsTimeout(records)),
                error.native_error(), error.sql_state());
  }
  connection_ = std::move(connection);
  connected_ = true;
}

void OdbcConnection::Close() {
  if (connected_) SQLDisconnect(connection_.get());
  connected_ = false;
  connection_.Reset();
}

OdbcHandle OdbcConnection::NewStatement() {
  if (!connected_) throw Error("The connection to the database is not open.");
  OdbcHandle statement(SQL_HANDLE_STMT, connection_.get());
  // A statement may take as long as the server needs.
  SQLSetStmtAttr(statement.get(), SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(0),
                 SQL_IS_UINTEGER);
  return statement;
}

bool OdbcConnection::LinkDead() {
  SQLUINTEGER dead = SQL_CD_FALSE;
  const SQLRETURN rc = SQLGetConnectAttr(connection_.get(), SQL_ATTR_CONNECTION_DEAD, &dead,
                                         SQL_IS_UINTEGER, nullptr);
  return SQL_SUCCEEDED(rc) && dead == SQL_CD_TRUE;
}

template <typename Send>
auto OdbcConnection::MarkingLostLink(Send&& send) -> decltype(send()) {
  try {
    return send();
  } catch (const Error& e) {
    if (e.connection_lost() || !connected_ || !LinkDead()) throw;
    throw Error(e.what(), e.native_error(), "08S01");
  }
}

void OdbcConnection::Execute(const std::string& text) {
  MarkingLostLink([&] { SendBatch(text); });
}

ResultSet OdbcConnection::Query(const std::string& text) {
  return MarkingLostLink([&] { return QueryBatch(text); });
}

void OdbcConnection::InsertRow(const std::string& table, const std::vector<ColumnValue>& values) {
  MarkingLostLink([&] { SendInsert(table, values); });
}

void OdbcConnection::SendBatch(const std::string& text) {
  OdbcHandle statement = NewStatement();
  WideText wide(text);
  const SQLRETURN rc =
      SQLExecDirectW(statement.get(), wide.data(), static_cast<SQLINTEGER>(wide.Length()));
  BatchErrors errors;
  ReadWholeBatch(statement.get(), rc, errors, [] {});
}

ResultSet OdbcConnection::QueryBatch(const std::string& text) {
  OdbcHandle statement = NewStatement();
  WideText wide(text);
  const SQLRETURN rc =
      SQLExecDirectW(statement.get(), wide.data(), static_cast<SQLINTEGER>(wide.Length()));
  BatchErrors errors;
  std::optional<ResultSet> first;
  ReadWholeBatch(statement.get(), rc, errors, [&] {
    // The first result with columns is the answer; row counts before it (an
    // INSERT ahead of the SELECT) and results after it are only read through.
    if (!first) first = ReadResultSet(statement.get(), errors);
  });
  return first ? std::move(*first) : ResultSet();
}

void OdbcConnection::SendInsert(const std::string& table, const std::vector<ColumnValue>& values) {
  OdbcHandle statement = NewStatement();
  std::string sql = "INSERT INTO " + table;
  if (values.empty()) {
    sql += " DEFAULT VALUES";
  } else {
    std::string columns;
    std::string markers;
    for (const ColumnValue& value : values) {
      if (!columns.empty()) {
        columns += ", ";
        markers += ", ";
      }
      columns += value.column;
      markers += '?';
    }
    sql += " (" + columns + ") VALUES (" + markers + ")";
  }

  std::vector<BoundValue> bound(values.size());  // never resized: the driver keeps the addresses
  for (std::size_t i = 0; i < values.size(); ++i) {
    BoundValue& b = bound[i];
    const auto number = static_cast<SQLUSMALLINT>(i + 1);
    SQLRETURN rc = SQL_SUCCESS;
    if (const auto* text = std::get_if<std::string>(&values[i].value)) {
      b.text.emplace(*text);
      const std::size_t length = b.text->Length();
      b.indicator = static_cast<SQLLEN>(length * sizeof(SQLWCHAR));
      rc = SQLBindParameter(statement.get(), number, SQL_PARAM_INPUT, SQL_C_WCHAR,
                            length > kLongTextThreshold ? SQL_WLONGVARCHAR : SQL_WVARCHAR,
                            length == 0 ? 1 : length, 0, b.text->data(), b.indicator, &b.indicator);
    } else if (const auto* integer = std::get_if<std::int64_t>(&values[i].value)) {
      b.integer = *integer;
      rc = SQLBindParameter(statement.get(), number, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0,
                            0, &b.integer, 0, &b.indicator);
    } else if (const auto* real = std::get_if<double>(&values[i].value)) {
      b.real = *real;
      rc = SQLBindParameter(statement.get(), number, SQL_PARAM_INPUT, SQL_C_DOUBLE, SQL_DOUBLE, 15,
                            0, &b.real, 0, &b.indicator);
    } else {
      b.indicator = SQL_NULL_DATA;
      rc = SQLBindParameter(statement.get(), number, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 1, 0,
                            b.null_buffer, 0, &b.indicator);
    }
    if (!SQL_SUCCEEDED(rc)) {
      throw StatementError(ReadDiagnostics(SQL_HANDLE_STMT, statement.get()),
                           "The value for " + values[i].column + " could not be passed.");
    }
  }

  WideText wide(sql);
  const SQLRETURN rc =
      SQLExecDirectW(statement.get(), wide.data(), static_cast<SQLINTEGER>(wide.Length()));
  BatchErrors errors;
  ReadWholeBatch(statement.get(), rc, errors, [] {});
}

}  // namespace

std::unique_ptr<Connection> MakeOdbcConnection(std::chrono::seconds login_timeout,
                                               Encryption encryption) {
  return std::make_unique<OdbcConnection>(login_timeout, encryption);
}

}  // namespace quelor::db
