// A prepared statement as an ODBC program runs it through the FreeTDS driver
// against quelor-simserver: SQLPrepare once, SQLBindParameter, SQLExecute
// with one set of values and then another. The driver turns the first
// execution into sp_prepexec and the later ones into sp_execute with the
// handle it got back, so both procedures and the handle must work.
#include <gtest/gtest.h>
#include <sql.h>
#include <sqlext.h>

#include <string>

#include "config/connection_settings.h"
#include "db/odbc_connection_string.h"
#include "db/odbc_diagnostics.h"
#include "db/odbc_text.h"
#include "simserver_process.h"

namespace quelor::tds {
namespace {

// The driver's diagnostics of the last call on `handle`, a line each.
std::string Diagnostics(SQLSMALLINT type, SQLHANDLE handle) {
  std::string text;
  for (const db::DiagRecord& record : db::ReadDiagnostics(type, handle)) {
    text += record.sql_state + " " + record.text + "\n";
  }
  return text;
}

// An environment, a connection to the server and one statement handle.
class Odbc {
 public:
  explicit Odbc(int port) {
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_);
    SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc_);
    config::ConnectionSettings settings;
    settings.provider = "SQLOLEDB.1";
    settings.user_id = "quelor";
    settings.password = "demo";
    settings.data_source = "127.0.0.1," + std::to_string(port);
    std::string text = db::MapConnectionText(config::WorkingConnectionText(settings, "QUELORTMP1"));
    connected_ =
        SQL_SUCCEEDED(SQLDriverConnectA(dbc_, nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                                        SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT));
    if (!connected_) failure_ = Diagnostics(SQL_HANDLE_DBC, dbc_);
    if (connected_) SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &stmt_);
  }
  Odbc(const Odbc&) = delete;
  Odbc& operator=(const Odbc&) = delete;
  ~Odbc() {
    if (stmt_ != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, stmt_);
    if (connected_) SQLDisconnect(dbc_);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    SQLFreeHandle(SQL_HANDLE_ENV, env_);
  }

  bool connected() const { return connected_; }
  const std::string& failure() const { return failure_; }
  SQLHSTMT stmt() const { return stmt_; }

  // "" on success, else the driver's diagnostics.
  std::string Check(SQLRETURN rc) const {
    return SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA
               ? ""
               : "rc " + std::to_string(rc) + ": " + Diagnostics(SQL_HANDLE_STMT, stmt_);
  }
  std::string Run(const std::string& statement) const {
    return Check(SQLExecDirectA(
        stmt_, reinterpret_cast<SQLCHAR*>(const_cast<char*>(statement.c_str())), SQL_NTS));
  }

 private:
  SQLHENV env_ = SQL_NULL_HENV;
  SQLHDBC dbc_ = SQL_NULL_HDBC;
  SQLHSTMT stmt_ = SQL_NULL_HSTMT;
  bool connected_ = false;
  std::string failure_;
};

// The row's columns as text, "NULL" for NULL; the statement is left at the
// next row.
std::string RowText(SQLHSTMT stmt, SQLSMALLINT columns) {
  std::string row;
  for (SQLUSMALLINT column = 1; column <= columns; ++column) {
    SQLWCHAR buffer[256];
    SQLLEN indicator = 0;
    if (!SQL_SUCCEEDED(SQLGetData(stmt, column, SQL_C_WCHAR, buffer, sizeof buffer, &indicator)))
      return "(no data)";
    row += column == 1 ? "" : "|";
    row += indicator == SQL_NULL_DATA
               ? "NULL"
               : db::ToUtf8(buffer, static_cast<std::size_t>(indicator) / sizeof(SQLWCHAR));
  }
  return row;
}

TEST(SimServerPrepared, InsertTwiceAndSelectTwiceWithBoundParameters) {
  SimServerProcess server;
  ASSERT_NE(server.port(), 0);
  Odbc odbc(server.port());
  ASSERT_TRUE(odbc.connected()) << odbc.failure();
  SQLHSTMT stmt = odbc.stmt();
  ASSERT_EQ(odbc.Run("CREATE TABLE Vorrat (Nr int NOT NULL PRIMARY KEY, Name nvarchar(40) NULL, "
                     "Wann datetime NULL,"
                     " Menge int NULL)"),
            "");

  ASSERT_EQ(odbc.Check(SQLPrepareA(stmt,
                                   reinterpret_cast<SQLCHAR*>(
                                       const_cast<char*>("INSERT INTO Vorrat VALUES (?, ?, ?, ?)")),
                                   SQL_NTS)),
            "");
  SQLINTEGER number = 0;
  SQLLEN number_indicator = 0;
  SQLWCHAR name[41] = {};
  SQLLEN name_indicator = 0;
  SQL_TIMESTAMP_STRUCT when = {};
  SQLLEN when_indicator = 0;
  SQLINTEGER amount = 0;
  SQLLEN amount_indicator = 0;
  ASSERT_EQ(odbc.Check(SQLBindParameter(stmt, 1, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 0, 0,
                                        &number, 0, &number_indicator)),
            "");
  ASSERT_EQ(odbc.Check(SQLBindParameter(stmt, 2, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR, 40, 0,
                                        name, sizeof name, &name_indicator)),
            "");
  ASSERT_EQ(odbc.Check(SQLBindParameter(stmt, 3, SQL_PARAM_INPUT, SQL_C_TYPE_TIMESTAMP,
                                        SQL_TYPE_TIMESTAMP, 23, 3, &when, 0, &when_indicator)),
            "");
  ASSERT_EQ(odbc.Check(SQLBindParameter(stmt, 4, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 0, 0,
                                        &amount, 0, &amount_indicator)),
            "");
  struct Values {
    SQLINTEGER number;
    const char* name;
    SQL_TIMESTAMP_STRUCT when;
    bool amount_null;
  };
  const Values rows[] = {
      {1, "ä ö ü ß € –", {2013, 2, 20, 13, 45, 10, 123'000'000}, false},
      {2, "O'Brien", {1999, 12, 31, 23, 59, 59, 0}, true},
  };
  for (const Values& row : rows) {
    number = row.number;
    db::WideText wide(row.name);
    std::copy(wide.data(), wide.data() + wide.Length(), name);
    name_indicator = static_cast<SQLLEN>(wide.Length() * sizeof(SQLWCHAR));
    when = row.when;
    amount = 7;
    amount_indicator = row.amount_null ? SQL_NULL_DATA : 0;
    ASSERT_EQ(odbc.Check(SQLExecute(stmt)), "") << row.number;
    SQLLEN affected = 0;
    SQLRowCount(stmt, &affected);
    EXPECT_EQ(affected, 1) << row.number;
    SQLFreeStmt(stmt, SQL_CLOSE);
  }
  SQLFreeStmt(stmt, SQL_RESET_PARAMS);

  ASSERT_EQ(odbc.Run("SELECT Nr, Name, Wann, Menge FROM Vorrat ORDER BY Nr"), "");
  std::vector<std::string> stored;
  while (SQL_SUCCEEDED(SQLFetch(stmt))) stored.push_back(RowText(stmt, 4));
  SQLFreeStmt(stmt, SQL_CLOSE);
  EXPECT_EQ(stored, (std::vector<std::string>{"1|ä ö ü ß € –|2013-02-20 13:45:10.123|7",
                                              "2|O'Brien|1999-12-31 23:59:59.000|NULL"}));

  // A prepared query with a parameter, run twice.
  ASSERT_EQ(odbc.Check(SQLPrepareA(stmt,
                                   reinterpret_cast<SQLCHAR*>(const_cast<char*>(
                                       "SELECT Name, Menge FROM Vorrat WHERE Nr = ?")),
                                   SQL_NTS)),
            "");
  ASSERT_EQ(odbc.Check(SQLBindParameter(stmt, 1, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 0, 0,
                                        &number, 0, &number_indicator)),
            "");
  for (const Values& row : rows) {
    number = row.number;
    ASSERT_EQ(odbc.Check(SQLExecute(stmt)), "") << row.number;
    ASSERT_TRUE(SQL_SUCCEEDED(SQLFetch(stmt))) << row.number;
    EXPECT_EQ(RowText(stmt, 2), std::string(row.name) + (row.amount_null ? "|NULL" : "|7"));
    EXPECT_EQ(SQLFetch(stmt), SQL_NO_DATA);
    SQLFreeStmt(stmt, SQL_CLOSE);
  }
}

}  // namespace
}  // namespace quelor::tds
