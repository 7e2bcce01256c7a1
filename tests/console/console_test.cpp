// The console front-end: its lines, and the real program's exit status.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "app/update_run.h"
#include "support/scripted_connection.h"
#include "support/second_run_changes.h"
#include "ui/console/console_view.h"

namespace quelor::ui {
namespace {

TEST(ConsoleView, WritesDialogsAsOneLineAndTheGaugeAsProgressLines) {
  std::ostringstream out, err;
  ConsoleView view(out, err);
  view.SetCaption("QUELOR_A/Quelor vereinsverwaltung premium - SQL Update");
  view.SetGauge(8);
  view.ShowTenantStart(2, 3, "QUELOR_B");
  view.ShowDialog(app::DialogKind::kWarning, "Warnung", "Zeile 1\nZeile 2 C:\\pfad");
  view.ShowDialog(app::DialogKind::kStop, "Titel", "Abbruch.");
  // A dialog of one of several tenants migrated at once names it in front.
  view.ShowDialogFor("QUELOR_B\n", app::DialogKind::kError, "Fehler", "Text");
  EXPECT_EQ(out.str(),
            "caption: QUELOR_A/Quelor vereinsverwaltung premium - SQL Update\n"
            "progress: 8%\n"
            "[2/3] QUELOR_B\n");
  EXPECT_EQ(err.str(),
            "warning [Warnung]: Zeile 1\\nZeile 2 C:\\\\pfad\n"
            "stop [Titel]: Abbruch.\n"
            "[QUELOR_B\\n] error [Fehler]: Text\n");
}

TEST(ConsoleView, OnATerminalRewritesTheProgressLine) {
  std::ostringstream out, err;
  ConsoleView view(out, err, /*rewrite_progress=*/true);
  view.SetGauge(1);
  view.SetGauge(8);
  view.SetCaption("Quelor");
  EXPECT_EQ(out.str(), "\rprogress: 1%\rprogress: 8%\ncaption: Quelor\n");
}

TEST(ConsoleView, RunsAWholeUpdateAndConfirmsEveryDialog) {
  testing::Transcript transcript;
  testing::ScriptedConnection catalogue(transcript, "c"), working(transcript, "w");
  catalogue.Answer("sysdatabases", testing::Column("name", {"QUELOR_A"}));
  working.Fail("UPDATE", "Invalid column name 'Kn5a'.");
  std::ostringstream out, err;
  ConsoleView view(out, err);
  app::UpdateRun run({catalogue, working, view, [] { return config::IniFile(); },
                      [](migration::TenantContext& c) {
                        c.db.Exec(db::Policy::kWarning, "UPDATE EINST SET Kn5a=1");
                        c.progress.UpdateProgress();
                      }});
  EXPECT_EQ(run.Start(), app::RunOutcome::kFinished);
  EXPECT_EQ(err.str(),
            "warning [Warnung]: Invalid column name 'Kn5a'.\n"
            "information [Informationen]: UPDATE erfolgreich ausgeführt!\n");
  EXPECT_NE(out.str().find("caption: QUELOR_A/Quelor vereinsverwaltung premium - SQL Update\n"
                           "progress: 1%\nprogress: 8%\nprogress: 100%\nprogress: 0%\n"),
            std::string::npos)
      << out.str();
}

struct ProgramResult {
  int exit_status = -1;
  std::string out;
};

ProgramResult RunProgram(const std::string& arguments) {
  const std::string command = std::string(QUELOR_UPDATE_BINARY) + " " + arguments + " 2>&1";
  ProgramResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  std::array<char, 4096> buffer;
  std::size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    result.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

TEST(ConsoleProgram, WithoutIniFileReportsTheConnectErrorStopsAndExitsWithOne) {
  ProgramResult r = RunProgram("--console --ini /nonexistent/SysDBAdo.INI");
  EXPECT_EQ(r.exit_status, 1) << r.out;
  EXPECT_NE(r.out.find("error [Fehler]: False parameters for database connection.\\nUnable to "
                       "connect to database 'Quelor'.\\n\\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("stop [Quelor vereinsverwaltung premium - SQL Update]: "), std::string::npos)
      << r.out;
  EXPECT_EQ(r.out.find("UPDATE erfolgreich"), std::string::npos) << r.out;
}

TEST(ConsoleProgram, HelpVersionAndBadArguments) {
  EXPECT_EQ(RunProgram("--help").exit_status, 0);
  ProgramResult version = RunProgram("--version");
  EXPECT_EQ(version.exit_status, 0);
  EXPECT_NE(version.out.find("quelor-update 11."), std::string::npos);
  ProgramResult bad = RunProgram("--frobnicate");
  EXPECT_EQ(bad.exit_status, 2);
  EXPECT_NE(bad.out.find("unknown argument: --frobnicate"), std::string::npos);
  EXPECT_EQ(RunProgram("--ini").exit_status, 2);
  for (const char* jobs : {"--jobs 0", "--jobs 65", "--jobs x", "--jobs 2x", "--jobs"}) {
    ProgramResult wrong = RunProgram(std::string("--console --demo ") + jobs);
    EXPECT_EQ(wrong.exit_status, 2) << jobs;
    EXPECT_NE(wrong.out.find("--jobs needs a number from 1 to 64"), std::string::npos) << wrong.out;
  }
}

TEST(ConsoleProgram, TraceRecordsTheConnectAttemptWithoutThePassword) {
  const std::string dir = ::testing::TempDir();
  const std::string ini = dir + "trace_test_SysDBAdo.INI";
  const std::string trace = dir + "trace_test.trace";
  std::ofstream(ini) << "[Datenbank]\r\nProvider=NOSUCH\r\nPassword=Geheim123\r\nUser ID=sa\r\n";
  ProgramResult r = RunProgram("--console --ini " + ini + " --trace " + trace);
  EXPECT_EQ(r.exit_status, 1);
  std::ifstream in(trace);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("=== catalogue Quelor | open | failed: "), std::string::npos)
      << text.str();
  EXPECT_NE(text.str().find("Password=***;\r\n"), std::string::npos) << text.str();
  EXPECT_EQ(text.str().find("Geheim123"), std::string::npos) << text.str();
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// What `quelor-sim diff` reports between two snapshots, a line each.
std::vector<std::string> SnapshotChanges(const std::string& before, const std::string& after) {
  const std::string sim = std::string(QUELOR_SIM_BINARY) + " diff " + before + " " + after;
  FILE* pipe = popen(sim.c_str(), "r");
  EXPECT_NE(pipe, nullptr);
  if (pipe == nullptr) return {};
  std::string changes;
  std::array<char, 4096> buffer;
  std::size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) changes.append(buffer.data(), n);
  pclose(pipe);
  std::vector<std::string> lines;
  std::istringstream in(changes);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

// Runs the demo on `state` and keeps a copy of the result in `copy`.
ProgramResult RunDemoAndKeep(const std::string& state, const std::string& copy) {
  ProgramResult r = RunProgram("--demo --console --state " + state);
  std::ofstream(copy, std::ios::binary) << ReadAll(state);
  return r;
}

TEST(ConsoleProgram, DemoRunsToItsSummaryAndLaterRunsChangeOnlyWhatEveryRunReplaces) {
  const std::string state = ::testing::TempDir() + "demo_state_test.json";
  std::remove(state.c_str());
  ProgramResult first = RunDemoAndKeep(state, state + ".1");
  EXPECT_EQ(first.exit_status, 0) << first.out;
  EXPECT_NE(first.out.find("information [Informationen]: UPDATE erfolgreich ausgeführt!"),
            std::string::npos)
      << first.out;
  EXPECT_NE(first.out.find("caption: QUELOR_TSV_Musterstadt/"), std::string::npos) << first.out;
  // The temporary database is not migrated, but the pass over all databases
  // visits it.
  EXPECT_EQ(first.out.find("caption: QUELORTMP1/"), std::string::npos) << first.out;
  EXPECT_NE(first.out.find("SQL Update Datenbank: QUELORTMP1"), std::string::npos) << first.out;
  EXPECT_NE(first.out.find("Summary: 4 databases visited, "), std::string::npos) << first.out;
  EXPECT_NE(first.out.find(", 1 dialog shown."), std::string::npos) << first.out;

  ProgramResult second = RunDemoAndKeep(state, state + ".2");
  EXPECT_EQ(second.exit_status, 0) << second.out;
  EXPECT_NE(second.out.find(", 1 dialog shown."), std::string::npos) << second.out;
  for (const std::string& line : SnapshotChanges(state + ".1", state + ".2")) {
    EXPECT_TRUE(test::ReplacedOnEveryRun(line)) << line;
  }

  // From the third run on, only the help rows change.
  ProgramResult third = RunDemoAndKeep(state, state + ".3");
  EXPECT_EQ(third.exit_status, 0) << third.out;
  for (const std::string& line : SnapshotChanges(state + ".2", state + ".3")) {
    EXPECT_NE(line.find(".tblHelp: rows differ"), std::string::npos) << line;
  }
}

// The console names the server and each tenant as it begins, and --report
// writes the report whether the run finished or stopped; a report that
// cannot be written fails a run that would have ended with 0.
TEST(ConsoleProgram, TheReportIsPrintedAndWrittenWhateverTheOutcome) {
  const std::string report = ::testing::TempDir() + "console_report_test.json";
  const struct {
    const char* arguments;
    const char* report_path;
    int exit_status;
    const char* outcome;  // in the written report; nullptr: not written
  } cases[] = {
      {"--demo --console", report.c_str(), 0, "finished"},
      {"--console --ini /nonexistent/SysDBAdo.INI", report.c_str(), 1, "stopped"},
      {"--demo --console", "/dev/full", 1, nullptr},
      {"--demo --console", "/nonexistent/report.json", 1, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.arguments) + " --report " + c.report_path);
    std::remove(report.c_str());
    const ProgramResult r =
        RunProgram(std::string(c.arguments) + " --report " + c.report_path + " < /dev/null");
    EXPECT_EQ(r.exit_status, c.exit_status) << r.out;
    EXPECT_NE(r.out.find("Summary: "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(std::string("Report: run ") + (c.exit_status == 0 ? "finished" : "")),
              std::string::npos)
        << r.out;
    if (c.outcome == nullptr) {
      EXPECT_NE(r.out.find(std::string("quelor-update: the report file ") + c.report_path +
                           " could not be written completely: "),
                std::string::npos)
          << r.out;
      continue;
    }
    const nlohmann::json written = nlohmann::json::parse(ReadAll(report), nullptr, false);
    ASSERT_TRUE(written.is_object()) << ReadAll(report);
    EXPECT_EQ(written["outcome"], c.outcome);
  }
  const ProgramResult demo = RunProgram("--demo --console");
  EXPECT_EQ(demo.out.rfind("Server: (simulated), login: quelor\n", 0), 0u) << demo.out;
  for (const char* line :
       {"\n[1/3] Quelor\n", "\n[2/3] QUELOR_TSV_Musterstadt\n",
        "\n[3/3] QUELOR_SC_Beispielhausen\n", "\n  QUELORTMP1                  final pass only "}) {
    EXPECT_NE(demo.out.find(line), std::string::npos) << line << demo.out;
  }
}

TEST(ConsoleProgram, DemoRefusesABrokenSnapshotWithoutTouchingIt) {
  const std::string state = ::testing::TempDir() + "demo_broken_state.json";
  std::ofstream(state) << "{ not a snapshot";
  ProgramResult r = RunProgram("--demo --console --state " + state);
  EXPECT_EQ(r.exit_status, 2) << r.out;
  EXPECT_NE(r.out.find("Invalid snapshot"), std::string::npos) << r.out;
  EXPECT_EQ(ReadAll(state), "{ not a snapshot");
  EXPECT_EQ(RunProgram("--state " + state).exit_status, 2);
}

}  // namespace
}  // namespace quelor::ui

namespace quelor::ui {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A loopback port that nothing listens on: bound by the system, then released.
int ClosedLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  socklen_t length = sizeof address;
  EXPECT_EQ(::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length), 0);
  ::close(fd);
  return ntohs(address.sin_port);
}

// The whole program against a server that refuses the connection: neither
// the console's lines (the connect error dialog, the stop box) nor the trace
// show the password, whatever characters it holds, and the trace is the
// owner's alone.
TEST(ConsoleProgram, NoOutputShowsThePasswordWhateverItHolds) {
  const char* const passwords[] = {"Geh;eim Wort=1", "a=b;c",    "{klammer}", "x}y;z",
                                   "zwei Worte",     "Grüße;Äö", "it's \"q\""};
  const std::string dir = ::testing::TempDir();
  const std::string ini = dir + "password_test_SysDBAdo.INI";
  const std::string trace = dir + "password_test.trace";
  const std::string data_source = "127.0.0.1," + std::to_string(ClosedLoopbackPort());
  for (const char* password : passwords) {
    std::ofstream(ini) << "[Datenbank]\r\nProvider=SQLOLEDB.1\r\nPassword=" << password
                       << "\r\nUser ID=sa\r\nData Source=" << data_source << "\r\n";
    const ProgramResult r =
        RunProgram("--console --login-timeout 2 --ini " + ini + " --trace " + trace);
    EXPECT_EQ(r.exit_status, 1) << password << "\n" << r.out;
    EXPECT_NE(r.out.find("error [Fehler]: False parameters for database connection."),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find(password), std::string::npos) << password << "\n" << r.out;
    const std::string traced = ReadFile(trace);
    EXPECT_NE(traced.find("Password=***;\r\nUser ID=sa;\r\n"), std::string::npos) << traced;
    EXPECT_EQ(traced.find(password), std::string::npos) << password << "\n" << traced;
    struct stat info {};
    ASSERT_EQ(::stat(trace.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
  }
}

// A run that finished but whose trace did not reach the disk says so and
// does not end with 0.
TEST(ConsoleProgram, ATraceCutShortByAFullDiskIsReportedAndFailsTheRun) {
  const ProgramResult r = RunProgram("--demo --console --trace /dev/full");
  EXPECT_EQ(r.exit_status, 1) << r.out;
  EXPECT_NE(r.out.find("UPDATE erfolgreich"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("quelor-update: the trace file /dev/full could not be written "
                       "completely: No space left on device\n"),
            std::string::npos)
      << r.out;
}

TEST(ConsoleProgram, TheLoginTimeOutMustBeAWholeNumberOfSeconds) {
  for (const char* bad : {"", "0", "-1", "2s", "86401"}) {
    const ProgramResult r = RunProgram(std::string("--login-timeout '") + bad + "'");
    EXPECT_EQ(r.exit_status, 2) << bad;
    EXPECT_NE(r.out.find("--login-timeout needs a number of seconds from 1 to 86400"),
              std::string::npos)
        << r.out;
  }
  EXPECT_NE(RunProgram("--help").out.find("--login-timeout SECONDS"), std::string::npos);
}

// --status reads the demo server before and after a run, never saves the
// state file, and its trace holds connects and queries only.
TEST(ConsoleProgram, StatusListsTheDemoDatabasesAndChangesNothing) {
  const std::string state = ::testing::TempDir() + "status_state_test.json";
  const std::string trace = ::testing::TempDir() + "status_state_test.trace";
  std::remove(state.c_str());
  const ProgramResult before = RunProgram("--status --demo --state " + state);
  EXPECT_EQ(before.exit_status, 0) << before.out;
  EXPECT_NE(
      before.out.find("QUELOR_TSV_Musterstadt    tenant           none     would be updated\n"),
      std::string::npos)
      << before.out;
  EXPECT_NE(before.out.find("QUELORTMP1                temporary        none     would be "
                            "updated\n4 databases: 0 up to date, 4 would be updated.\n"),
            std::string::npos)
      << before.out;
  EXPECT_EQ(ReadAll(state), "");  // not created

  ASSERT_EQ(RunProgram("--demo --console --state " + state).exit_status, 0);
  const std::string migrated = ReadAll(state);
  const ProgramResult after = RunProgram("--status --demo --state " + state + " --trace " + trace);
  EXPECT_EQ(after.exit_status, 0) << after.out;
  EXPECT_NE(after.out.find("Quelor                    system database  11       up to date\n"),
            std::string::npos)
      << after.out;
  EXPECT_NE(after.out.find("4 databases: 4 up to date, 0 would be updated.\n"), std::string::npos)
      << after.out;
  EXPECT_EQ(ReadAll(state), migrated);
  const std::string traced = ReadAll(trace);
  EXPECT_NE(traced.find(" | query | "), std::string::npos) << traced;
  for (const char* kind : {" | execute | ", " | insert | "}) {
    EXPECT_EQ(traced.find(kind), std::string::npos) << kind << "\n" << traced;
  }
}

TEST(ConsoleProgram, StatusOnAServerThatCannotBeReachedNamesItAndFails) {
  const std::string ini = ::testing::TempDir() + "status_refused_SysDBAdo.INI";
  const std::string data_source = "127.0.0.1," + std::to_string(ClosedLoopbackPort());
  std::ofstream(ini) << "[Datenbank]\r\nProvider=SQLOLEDB.1\r\nPassword=Geh;eim\r\nUser "
                        "ID=sa\r\nData Source="
                     << data_source << "\r\n";
  const ProgramResult r = RunProgram("--status --login-timeout 2 --ini " + ini);
  EXPECT_EQ(r.exit_status, 1) << r.out;
  EXPECT_EQ(r.out.rfind("quelor-update: the server " + data_source + " could not be read: ", 0), 0u)
      << r.out;
  EXPECT_EQ(r.out.find("Geh;eim"), std::string::npos) << r.out;
  EXPECT_EQ(RunProgram("--status --state x.json").exit_status, 2);
}

}  // namespace
}  // namespace quelor::ui
