// --status on the simulated server: the kinds and markers it reads before and
// after a whole run, a table of marker cases, a database or server it cannot
// read, and that it changes nothing: every statement it sends is a SELECT and
// the server's snapshot stays byte for byte the same.
#include "app/status_report.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>

#include "app/update_run.h"
#include "db/error.h"
#include "sim/catalog/schema.h"
#include "sim/connection/script_loader.h"
#include "sim/connection/sim_connection.h"
#include "sim/demo_server.h"
#include "sim/snapshot/snapshot.h"
#include "support/recording_view.h"
#include "support/transcript.h"
#include "ui/status_printer.h"

namespace quelor::app {
namespace {

const char kIni[] =
    "[Datenbank]\nProvider=SQLOLEDB.1\nUser ID=quelor\nPassword=demo\nData Source=SRV\n";

// Records what is sent; a database named in `unreachable` refuses the connect.
class RecordingConnection : public db::Connection {
 public:
  RecordingConnection(db::Connection& inner, std::vector<std::string>& sent)
      : inner_(inner), sent_(sent) {}
  void Open(const std::string& text) override {
    for (const std::string& name : unreachable) {
      if (text.find("Initial Catalog=" + name + ";") != std::string::npos) {
        inner_.Close();
        throw db::Error("Cannot open database \"" + name + "\" requested by the login.");
      }
    }
    inner_.Open(text);
  }
  void Close() override { inner_.Close(); }
  bool IsOpen() const override { return inner_.IsOpen(); }
  void Execute(const std::string& text) override {
    sent_.push_back(text);
    inner_.Execute(text);
  }
  db::ResultSet Query(const std::string& text) override {
    sent_.push_back(text);
    return inner_.Query(text);
  }
  void InsertRow(const std::string& table, const std::vector<db::ColumnValue>& values) override {
    sent_.push_back("INSERT INTO " + table);
    inner_.InsertRow(table, values);
  }
  std::vector<std::string> unreachable;

 private:
  db::Connection& inner_;
  std::vector<std::string>& sent_;
};

class StatusReportTest : public ::testing::Test {
 protected:
  StatusReportTest() { server.AddLogin("quelor", "demo"); }

  StatusReport Read() {
    sim::SimConnection catalogue(server), working(server);
    RecordingConnection recorded_catalogue(catalogue, sent), recorded_working(working, sent);
    recorded_working.unreachable = unreachable;
    return ReadStatus(
        {recorded_catalogue, recorded_working, [this] { return config::IniFile::Parse(ini); }});
  }

  sim::Server server;
  std::string ini = kIni;
  std::vector<std::string> sent;
  std::vector<std::string> unreachable;
};

// name, kind, release ("none" for nullopt), state; in server order.
using Line = std::tuple<std::string, DatabaseKind, std::string, DatabaseState>;

std::vector<Line> Lines(const StatusReport& report) {
  std::vector<Line> lines;
  for (const DatabaseStatus& d : report.databases) {
    lines.emplace_back(d.name, d.kind, d.release.value_or("none"), d.state);
  }
  return lines;
}

TEST_F(StatusReportTest, TheDemoServerWouldBeUpdatedEverywhereBeforeARunAndIsUpToDateAfterIt) {
  sim::BuildDemoServer(server);
  const StatusReport before = Read();
  EXPECT_EQ(before.failure, "");
  EXPECT_EQ(before.server, "SRV");
  const auto would = DatabaseState::kWouldBeUpdated;
  EXPECT_EQ(Lines(before), (std::vector<Line>{
                               {"Quelor", DatabaseKind::kSystem, "none", would},
                               {"QUELOR_TSV_Musterstadt", DatabaseKind::kTenant, "none", would},
                               {"QUELOR_SC_Beispielhausen", DatabaseKind::kTenant, "none", would},
                               {"QUELORTMP1", DatabaseKind::kTemporary, "none", would},
                           }));

  testing::Transcript transcript;
  testing::RecordingView view(transcript);
  sim::SimConnection catalogue(server), working(server);
  UpdateRun run({catalogue, working, view, [this] { return config::IniFile::Parse(ini); }});
  ASSERT_EQ(run.Start(), RunOutcome::kFinished) << transcript.Dump();

  const auto done = DatabaseState::kUpToDate;
  EXPECT_EQ(Lines(Read()), (std::vector<Line>{
                               {"Quelor", DatabaseKind::kSystem, "11", done},
                               {"QUELOR_TSV_Musterstadt", DatabaseKind::kTenant, "11", done},
                               {"QUELOR_SC_Beispielhausen", DatabaseKind::kTenant, "11", done},
                               // Not migrated: only the final pass counts.
                               {"QUELORTMP1", DatabaseKind::kTemporary, "none", done},
                           }));
}

TEST_F(StatusReportTest, JudgesEachDatabaseByItsTwoMarkers) {
  const std::string final_pass = "CREATE TABLE dbo.UpdS (ID INT IDENTITY (1,1) NOT NULL)\nGO\n";
  const std::string version = "CREATE TABLE dbo.tblVersion (Version varchar(50) NOT NULL)\nGO\n";
  struct Case {
    std::string database;
    std::string script;
    DatabaseKind kind;
    std::string release;
    DatabaseState state;
  };
  const auto would = DatabaseState::kWouldBeUpdated;
  const auto done = DatabaseState::kUpToDate;
  const std::vector<Case> cases = {
      {"Quelor", version + "INSERT INTO tblVersion VALUES ('11')\nGO\n" + final_pass,
       DatabaseKind::kSystem, "11", done},
      {"QUELOR_OLD", version + "INSERT INTO tblVersion VALUES ('10')\nGO\n" + final_pass,
       DatabaseKind::kTenant, "10", would},
      {"QUELOR_NO_FINAL_PASS", version + "INSERT INTO tblVersion VALUES ('11')\n",
       DatabaseKind::kTenant, "11", would},
      {"QUELOR_EMPTY_MARKER", version + final_pass, DatabaseKind::kTenant, "none", would},
      {"QUELOR_NO_MARKER_TABLE", final_pass, DatabaseKind::kTenant, "none", would},
      // A table of that name without the column is no marker, and no failure.
      {"quelor_other_version", "CREATE TABLE dbo.tblVersion (Nr int NULL)\nGO\n" + final_pass,
       DatabaseKind::kTenant, "none", would},
      {"QUELOR_TWO_ROWS",
       version +
           "INSERT INTO tblVersion VALUES ('11')\nINSERT INTO tblVersion VALUES ('10')\nGO\n" +
           final_pass,
       DatabaseKind::kTenant, "11, 10", would},
      {"QuelorTmp2", final_pass, DatabaseKind::kTemporary, "none", done},
      {"QUELORTMP3", version + "INSERT INTO tblVersion VALUES ('11')\n", DatabaseKind::kTemporary,
       "11", would},
  };
  std::vector<Line> expected;
  for (const Case& c : cases) {
    sim::LoadScript(server, c.database, c.script);
    expected.emplace_back(c.database, c.kind, c.release, c.state);
  }
  sim::LoadScript(server, "Other", final_pass);  // not a product database

  const StatusReport report = Read();
  EXPECT_EQ(report.failure, "");
  std::vector<Line> lines = Lines(report);
  std::sort(lines.begin(), lines.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(lines, expected);
}

TEST_F(StatusReportTest, SendsOnlySelectsAndLeavesTheServerByteForByteAsItWas) {
  sim::BuildDemoServer(server);
  const std::string before = ::testing::TempDir() + "status_before.json";
  const std::string after = ::testing::TempDir() + "status_after.json";
  sim::SaveSnapshot(server, before);
  const StatusReport report = Read();
  sim::SaveSnapshot(server, after);

  ASSERT_EQ(report.databases.size(), 4u);
  ASSERT_FALSE(sent.empty());
  for (const std::string& text : sent) {
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    std::string head = text.substr(start == std::string::npos ? 0 : start, 6);
    for (char& c : head) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(head, "SELECT") << text;
  }
  auto read = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  };
  EXPECT_FALSE(read(before).empty());
  EXPECT_EQ(read(before), read(after));
}

TEST_F(StatusReportTest, ADatabaseThatCannotBeOpenedIsListedAndTheOthersAreStillRead) {
  sim::BuildDemoServer(server);
  unreachable = {"QUELOR_TSV_Musterstadt"};
  const StatusReport report = Read();
  EXPECT_EQ(report.failure, "");
  ASSERT_EQ(report.databases.size(), 4u);
  EXPECT_EQ(report.databases[1].state, DatabaseState::kUnreadable);
  EXPECT_EQ(report.databases[1].failure,
            "Cannot open database \"QUELOR_TSV_Musterstadt\" requested by the login.");
  EXPECT_EQ(report.databases[2].state, DatabaseState::kWouldBeUpdated);
  EXPECT_EQ(ui::StatusExitCode(report), 1);
  EXPECT_NE(ui::StatusTable(report).find("1 could not be read."), std::string::npos);
}

// A connection whose connect fails with a text that repeats the connection
// text, as some drivers do.
class EchoingFailure : public db::Connection {
 public:
  void Open(const std::string& text) override { throw db::Error("refused: " + text); }
  void Close() override {}
  bool IsOpen() const override { return false; }
  void Execute(const std::string&) override {}
  db::ResultSet Query(const std::string&) override { return {}; }
  void InsertRow(const std::string&, const std::vector<db::ColumnValue>&) override {}
};

TEST_F(StatusReportTest, AServerThatCannotBeReachedIsNamedWithThePasswordMasked) {
  EchoingFailure catalogue, working;
  const StatusReport report = ReadStatus({catalogue, working, [] {
                                            return config::IniFile::Parse(
                                                "[Datenbank]\nProvider=SQLOLEDB.1\nUser "
                                                "ID=sa\nPassword=Geh;eim\nData Source=SRV\\A\n");
                                          }});
  EXPECT_TRUE(report.databases.empty());
  EXPECT_EQ(report.server, "SRV\\A");
  EXPECT_NE(report.failure.find("Password=***;"), std::string::npos) << report.failure;
  const std::string line = ui::StatusFailureLine(report);
  EXPECT_EQ(line.rfind("quelor-update: the server SRV\\A could not be read: refused: ", 0), 0u)
      << line;
  EXPECT_EQ(line.find("Geh;eim"), std::string::npos) << line;
  EXPECT_EQ(ui::StatusExitCode(report), 1);
}

TEST(StatusTable, AlignsTheColumnsByCharactersAndKeepsEachDatabaseOnOneLine) {
  StatusReport report;
  report.databases = {
      {"Quelor", DatabaseKind::kSystem, "11", true, DatabaseState::kUpToDate, ""},
      {"QUELOR_Müll\n\x1b[2J", DatabaseKind::kTenant, std::nullopt, false,
       DatabaseState::kWouldBeUpdated, ""},
      {"QUELORTMP1", DatabaseKind::kTemporary, std::nullopt, true, DatabaseState::kUpToDate, ""},
      {"QUELOR_X", DatabaseKind::kTenant, std::nullopt, false, DatabaseState::kUnreadable,
       "Login failed.\nTry again."},
  };
  EXPECT_EQ(ui::StatusTable(report),
            "Database          Kind             Release  State\n"
            "Quelor            system database  11       up to date\n"
            "QUELOR_Müll ?[2J  tenant           none     would be updated\n"
            "QUELORTMP1        temporary        none     up to date\n"
            "QUELOR_X          tenant           ?        could not be read: Login failed. Try "
            "again.\n"
            "4 databases: 2 up to date, 1 would be updated, 1 could not be read.\n");
  EXPECT_EQ(ui::StatusExitCode(report), 1);
  report.databases.pop_back();
  EXPECT_EQ(ui::StatusExitCode(report), 0);
}

}  // namespace
}  // namespace quelor::app
