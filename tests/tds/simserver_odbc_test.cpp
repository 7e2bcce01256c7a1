// The ODBC backend (unixODBC and FreeTDS) against quelor-simserver.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "config/connection_settings.h"
#include "db/error.h"
#include "db/odbc_connection.h"
#include "sim/connection/sim_connection.h"
#include "simserver_process.h"

namespace quelor::tds {
namespace {

std::string ConnectionText(int port, const std::string& database,
                           const std::string& password = "demo",
                           const std::string& user = "quelor") {
  config::ConnectionSettings settings;
  settings.provider = "SQLOLEDB.1";
  settings.user_id = user;
  settings.password = password;
  settings.data_source = "127.0.0.1," + std::to_string(port);
  return config::WorkingConnectionText(settings, database);
}

std::string FailureOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const db::Error& error) {
    return error.what();
  }
  return "(no error)";
}

TEST(SimServerOdbc, OpenExecuteQueryRoundTripTextNumbersAndNulls) {
  SimServerProcess server;
  ASSERT_NE(server.port(), 0);
  auto connection = db::MakeOdbcConnection();
  connection->Open(ConnectionText(server.port(), "QUELORTMP1"));
  ASSERT_TRUE(connection->IsOpen());
  connection->Execute(
      "CREATE TABLE Probe (ID int NOT NULL PRIMARY KEY, Name nvarchar(40) NULL, Betrag "
      "numeric(10,2) NULL,"
      " Datum datetime NULL, Aktiv bit NULL, Notiz text NULL)");
  connection->Execute(
      "INSERT INTO Probe VALUES (1, N'Grüße ä ö ü ß € –', 12.50, '20130220', 1, 'Bemerkung')\r\n"
      "INSERT INTO Probe (ID) VALUES (2)");
  // A searched update that touches no row is a success.
  connection->Execute("UPDATE Probe SET Name = N'x' WHERE ID = 99");

  // The parameterised insert: sp_executesql with typed parameters.
  connection->InsertRow("Probe", {{"ID", std::int64_t{3}},
                                  {"Name", std::string("O'Brien – Größe €")},
                                  {"Betrag", 0.25},
                                  {"Notiz", std::monostate{}}});
  db::ResultSet inserted = connection->Query("SELECT Name, Betrag, Notiz FROM Probe WHERE ID = 3");
  ASSERT_EQ(inserted.RecordCount(), 1u);
  EXPECT_EQ(inserted.AsText(0, "Name"), "O'Brien – Größe €");
  EXPECT_EQ(inserted.AsText(0, "Betrag"), "0.25");
  EXPECT_TRUE(inserted.IsNull(0, "Notiz"));
  connection->Execute("DELETE FROM Probe WHERE ID = 3");
  // Row counts before the first result set are passed over, as the
  // in-process connection returns the first result set.
  EXPECT_EQ(
      connection
          ->Query("UPDATE Probe SET Aktiv = 0 WHERE ID = 99\r\nDELETE FROM Probe WHERE ID = 98\r\n"
                  "SELECT COUNT(*) AS n FROM Probe\r\nSELECT 5 AS n")
          .AsInteger(0, "n"),
      2);

  db::ResultSet rows =
      connection->Query("SELECT ID, Name, Betrag, Datum, Aktiv, Notiz FROM Probe ORDER BY ID");
  ASSERT_EQ(rows.RecordCount(), 2u);
  EXPECT_EQ(rows.AsText(0, "Name"), "Grüße ä ö ü ß € –");
  EXPECT_EQ(rows.AsText(0, "Betrag"), "12.50");
  EXPECT_EQ(rows.AsText(0, "Datum"), "2013-02-20 00:00:00.000");
  EXPECT_EQ(rows.AsText(0, "Aktiv"), "1");
  EXPECT_EQ(rows.AsText(0, "Notiz"), "Bemerkung");
  EXPECT_EQ(rows.AsInteger(1, "ID"), 2);
  for (const char* column : {"Name", "Betrag", "Datum", "Aktiv", "Notiz"})
    EXPECT_TRUE(rows.IsNull(1, column)) << column;
}

// The failures of `statements` (each run as one batch, "" for success) on
// `connection`, opened on QUELORTMP1.
std::vector<std::string> Failures(db::Connection& connection,
                                  const std::vector<std::string>& statements) {
  std::vector<std::string> failures;
  for (const std::string& statement : statements)
    failures.push_back(FailureOf([&] { connection.Execute(statement); }));
  return failures;
}

TEST(SimServerOdbc, BatchErrorsAreTheInProcessSimulatorsTexts) {
  const std::vector<std::string> statements = {
      "CREATE TABLE K (ID int NOT NULL CONSTRAINT PK_K PRIMARY KEY, Name varchar(5) NULL)",
      // A statement error in the middle: the batch goes on, the first error is thrown.
      "INSERT INTO K VALUES (1, 'a')\r\nINSERT INTO K VALUES (1, 'b')\r\nINSERT INTO K VALUES (2, "
      "'c')",
      "INSERT INTO K VALUES (3, 'zu lang')\r\nSELECT * FROM K",
      "SELECT * FROM Nirgends",
      "SELECT Nichts FROM K",
      "UPDATE K SET Name = 'x' WHERE ID = 99",
      "SELECT COUNT(*) AS n FROM K WHERE ID IN (1, 2)",
  };
  sim::Server in_process;
  in_process.CreateDatabase("QUELORTMP1");
  in_process.AddLogin("quelor", "demo");
  sim::SimConnection simulated(in_process);
  simulated.Open("User ID=quelor;Password=demo;Initial Catalog=QUELORTMP1");
  const std::vector<std::string> expected = Failures(simulated, statements);
  ASSERT_EQ(
      expected[1],
      "Violation of PRIMARY KEY constraint 'PK_K'. Cannot insert duplicate key in object 'dbo.K'. "
      "The duplicate key value is (1).");

  SimServerProcess server;
  ASSERT_NE(server.port(), 0);
  auto connection = db::MakeOdbcConnection();
  connection->Open(ConnectionText(server.port(), "QUELORTMP1"));
  EXPECT_EQ(Failures(*connection, statements), expected);
  // The server finished the batch after the statement error.
  EXPECT_EQ(connection->Query("SELECT COUNT(*) AS n FROM K").AsInteger(0, "n"), 2);
}

// The backend joins the connect diagnostics; the FreeTDS driver adds its own
// summary and lists the login failure before the database's message, as it
// does with a real server.
TEST(SimServerOdbc, LoginFailuresAreTheServersTexts) {
  SimServerProcess server;
  ASSERT_NE(server.port(), 0);
  auto connection = db::MakeOdbcConnection();
  EXPECT_EQ(
      FailureOf([&] { connection->Open(ConnectionText(server.port(), "QUELORTMP1", "falsch")); }),
      "Login failed for user 'quelor'.\nUnable to connect to data source");
  EXPECT_FALSE(connection->IsOpen());
  EXPECT_EQ(FailureOf([&] { connection->Open(ConnectionText(server.port(), "Nirgends")); }),
            "Login failed for user 'quelor'.\nCannot open database \"Nirgends\" requested by the "
            "login. The login "
            "failed.\nUnable to connect to data source");
}

// Passwords with the characters the connection text treats specially, and
// text beyond ASCII, reach the server as they stand in the INI file.
TEST(SimServerOdbc, PasswordsWithSeparatorsAndUmlautsLogIn) {
  const std::vector<std::pair<std::string, std::string>> logins = {{"semikolon", "Grüße;1=€"},
                                                                   {"klammer", "a}b{c"},
                                                                   {"leer", " x y "},
                                                                   {"gleich", "=;;="},
                                                                   {"wort", "Geh;eim Wort=1"}};
  std::vector<std::string> arguments;
  for (const auto& [user, password] : logins) {
    arguments.push_back("--login");
    arguments.push_back(user + ":" + password);
  }
  SimServerProcess server(arguments);
  ASSERT_NE(server.port(), 0);
  for (const auto& [user, password] : logins) {
    auto connection = db::MakeOdbcConnection();
    EXPECT_EQ(FailureOf([&] {
                connection->Open(ConnectionText(server.port(), "QUELORTMP1", password, user));
              }),
              "(no error)")
        << user;
    EXPECT_TRUE(connection->IsOpen()) << user;
  }
}

}  // namespace
}  // namespace quelor::tds
