// The ODBC backend against the real driver manager and FreeTDS driver. There
// is no SQL Server here, so these tests cover the paths that need none: a
// server that refuses the connection, a provider that is no SQL Server client,
// a driver that cannot be loaded, and what the run shows for each.
#include "db/odbc_connection.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/update_run.h"
#include "config/connection_settings.h"
#include "config/ini_file.h"
#include "db/error.h"
#include "db/odbc_driver.h"

namespace quelor::db {
namespace {

// A loopback port that nothing listens on: bound by the system, then released.
int ClosedLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  EXPECT_GE(fd, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  socklen_t length = sizeof address;
  EXPECT_EQ(::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length), 0);
  ::close(fd);
  return ntohs(address.sin_port);
}

std::string DataSource(int port) { return "127.0.0.1," + std::to_string(port); }

std::string WorkingText(std::string_view provider, std::string_view data_source) {
  config::ConnectionSettings settings;
  settings.provider = provider;
  settings.user_id = "sa";
  settings.password = "Geheim-1";
  settings.data_source = data_source;
  return config::WorkingConnectionText(settings, "QUELOR_A");
}

// The failure text of opening `text`, or a test failure when it opens.
std::string OpenFailure(Connection& connection, const std::string& text) {
  try {
    connection.Open(text);
  } catch (const Error& e) {
    return e.what();
  }
  ADD_FAILURE() << "the connection opened";
  return {};
}

// Sets an environment variable for the life of the object.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value, 1);
  }
  ~ScopedEnvironment() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(OdbcConnection, RefusedConnectionFailsFastWithTheDriversPlainText) {
  auto connection = MakeOdbcConnection();
  const auto start = std::chrono::steady_clock::now();
  const std::string failure =
      OpenFailure(*connection, WorkingText("SQLOLEDB.1", DataSource(ClosedLoopbackPort())));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));

  // FreeTDS's two records, the cause before its summary, without "[FreeTDS]"
  // or "[SQL Server]" in front of either; then the server tried and what to
  // check, with no word of a time-out.
  EXPECT_TRUE(
      failure.starts_with("Unable to connect: Adaptive Server is unavailable or does not exist\n"
                          "Unable to connect to data source\n\nServer 127.0.0.1, Port "))
      << failure;
  EXPECT_NE(failure.find("Bitte prüfen:\n- Servername und Instanz in SysDBAdo.INI"),
            std::string::npos)
      << failure;
  EXPECT_EQ(failure.find("Sekunden"), std::string::npos) << failure;
  EXPECT_EQ(failure.find("[FreeTDS]"), std::string::npos);

  // A failed open leaves the connection closed; closing again is harmless and
  // statements say that it is not open.
  EXPECT_FALSE(connection->IsOpen());
  connection->Close();
  connection->Close();
  EXPECT_THROW(connection->Execute("SELECT 1"), Error);
  EXPECT_THROW(connection->Query("SELECT 1"), Error);
  EXPECT_THROW(connection->InsertRow("T", {{"A", std::int64_t{1}}}), Error);
}

// A server that accepts the connection and then says nothing: the login
// time-out ends the wait, and the text names the server, the port and the
// time-out.
TEST(OdbcConnection, AServerThatNeverAnswersFailsAfterTheLoginTimeOut) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  socklen_t length = sizeof address;
  ASSERT_EQ(::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length), 0);
  ASSERT_EQ(::listen(fd, 4), 0);  // the system completes the handshake; nobody reads
  const int port = ntohs(address.sin_port);

  auto connection = MakeOdbcConnection(std::chrono::seconds(2));
  const auto start = std::chrono::steady_clock::now();
  const std::string failure = OpenFailure(*connection, WorkingText("SQLOLEDB.1", DataSource(port)));
  const auto took = std::chrono::steady_clock::now() - start;
  ::close(fd);
  EXPECT_GE(took, std::chrono::milliseconds(1500));
  EXPECT_LT(took, std::chrono::seconds(8));
  EXPECT_NE(failure.find("\n\nServer 127.0.0.1, Port " + std::to_string(port) +
                         ".\nDer Server hat nicht innerhalb von 2 Sekunden geantwortet "
                         "(Login-Timeout; für langsame Netze --login-timeout SEKUNDEN).\n"
                         "Bitte prüfen:\n"),
            std::string::npos)
      << failure;
  EXPECT_FALSE(connection->IsOpen());
}

// A named instance that no browser service answers for ends after the login
// time-out too, naming the instance, instead of after FreeTDS's own 16 tries.
TEST(OdbcConnection, AnUnknownInstanceFailsAfterTheLoginTimeOut) {
  auto connection = MakeOdbcConnection(std::chrono::seconds(2));
  const auto start = std::chrono::steady_clock::now();
  const std::string failure =
      OpenFailure(*connection, WorkingText("SQLOLEDB.1", "127.0.0.1\\NOSUCH"));
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_LT(took, std::chrono::seconds(5));
  EXPECT_TRUE(failure.starts_with(
      "Für die Instanz NOSUCH hat auf 127.0.0.1 innerhalb von 2 Sekunden kein Dienst SQL Server "
      "Browser (UDP 1434) einen Port genannt.\n\nServer 127.0.0.1, Instanz NOSUCH.\nBitte "
      "prüfen:\n"))
      << failure;
  EXPECT_NE(failure.find("\n- bei einer benannten Instanz, ob der Dienst SQL Server Browser "
                         "läuft (UDP 1434)"),
            std::string::npos)
      << failure;
}

TEST(OdbcConnection, ProviderAndDriverFailuresSayWhatToChange) {
  auto connection = MakeOdbcConnection();
  const std::string provider = OpenFailure(*connection, WorkingText("ERROR", "srv"));
  EXPECT_TRUE(provider.starts_with("The provider 'ERROR' is not a SQL Server client")) << provider;
  EXPECT_NE(provider.find("SQLOLEDB, SQLNCLI11 or MSOLEDBSQL"), std::string::npos) << provider;

  {
    ScopedEnvironment missing(kDriverOverrideVariable, "/nonexistent/libtdsodbc.so");
    const std::string driver =
        OpenFailure(*connection, WorkingText("SQLOLEDB.1", DataSource(ClosedLoopbackPort())));
    EXPECT_NE(driver.find("/nonexistent/libtdsodbc.so"), std::string::npos) << driver;
    EXPECT_NE(driver.find("package tdsodbc"), std::string::npos) << driver;
    EXPECT_EQ(driver.find("[unixODBC]"), std::string::npos) << driver;
  }
  EXPECT_FALSE(connection->IsOpen());
}

// Records the dialogs the run shows; everything else is ignored.
class DialogRecorder : public app::RunView {
 public:
  struct Dialog {
    app::DialogKind kind;
    std::string caption;
    std::string text;
  };

  void SetCaption(const std::string&) override {}
  void SetGauge(int) override {}
  void ShowDialog(app::DialogKind kind, const std::string& caption,
                  const std::string& text) override {
    dialogs.push_back({kind, caption, text});
  }
  void SetBusyCursor(bool) override {}
  void ProcessMessages() override {}

  std::vector<Dialog> dialogs;
};

// MandantChange with the settings of `ini`: the one dialog it shows.
DialogRecorder::Dialog MandantChangeDialog(const std::string& ini) {
  auto catalogue = MakeOdbcConnection();
  auto working = MakeOdbcConnection();
  DialogRecorder view;
  app::UpdateRun run({*catalogue, *working, view, [&] { return config::IniFile::Parse(ini); }});
  run.MandantChange("QUELOR_A");
  EXPECT_FALSE(working->IsOpen());
  EXPECT_EQ(run.current_database(), "QUELOR_A");
  if (view.dialogs.size() != 1) {
    ADD_FAILURE() << view.dialogs.size() << " dialogs";
    return {app::DialogKind::kPlain, "", ""};
  }
  return view.dialogs.front();
}

TEST(OdbcConnection, FailedMandantChangeShowsTheConnectErrorDialog) {
  const std::string data_source = DataSource(ClosedLoopbackPort());
  auto direct = MakeOdbcConnection();
  const std::string refused = OpenFailure(*direct, WorkingText("SQLOLEDB.1", data_source));
  const std::string unknown = OpenFailure(*direct, WorkingText("ERROR", data_source));

  const auto refused_dialog = MandantChangeDialog(
      "[Datenbank]\nProvider=SQLOLEDB.1\nUser ID=sa\nPassword=Geheim-1\nData Source=" +
      data_source + "\n");
  EXPECT_EQ(refused_dialog.kind, app::DialogKind::kError);
  EXPECT_EQ(refused_dialog.caption, "Fehler");
  EXPECT_EQ(refused_dialog.text, config::ConnectFailureText("QUELOR_A", refused));
  EXPECT_TRUE(refused_dialog.text.starts_with(
      "False parameters for database connection.\nUnable to connect to database 'QUELOR_A'.\n\n"
      "Unable to connect: "))
      << refused_dialog.text;

  // Without a Provider key the run uses "ERROR", as for a missing file.
  const auto unknown_dialog =
      MandantChangeDialog("[Datenbank]\nUser ID=sa\nData Source=" + data_source + "\n");
  EXPECT_EQ(unknown_dialog.kind, app::DialogKind::kError);
  EXPECT_EQ(unknown_dialog.caption, "Fehler");
  EXPECT_EQ(unknown_dialog.text, config::ConnectFailureText("QUELOR_A", unknown));
  EXPECT_NE(unknown_dialog.text.find("'ERROR' is not a SQL Server client"), std::string::npos);
}

}  // namespace
}  // namespace quelor::db
