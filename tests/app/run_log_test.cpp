// The run's log: its name, its header, a time in front of every traced
// record, and never a password.
#include "app/run_log.h"

#include <gtest/gtest.h>

#include <ctime>
#include <sstream>

#include "db/trace_connection.h"
#include "support/scripted_connection.h"

namespace quelor::app {
namespace {

// The log file, kept in memory.
class MemoryFile : public platform::PrivateFile {
 public:
  explicit MemoryFile(std::ostringstream& out) : out_(out) {}
  std::ostream& stream() override { return out_; }
  std::string Finish() override { return {}; }

 private:
  std::ostringstream& out_;
};

// 2026-12-11 03:15:00 local time, plus `millis`.
std::chrono::system_clock::time_point At(int second, int millis = 0) {
  std::tm local{};
  local.tm_year = 2026 - 1900;
  local.tm_mon = 11;
  local.tm_mday = 11;
  local.tm_hour = 3;
  local.tm_min = 15;
  local.tm_sec = second;
  local.tm_isdst = -1;
  return std::chrono::system_clock::from_time_t(std::mktime(&local)) +
         std::chrono::milliseconds(millis);
}

TEST(RunLog, NamesSortByStartTimeAndKeepTwoRunsOfOneSecondApart) {
  EXPECT_EQ(RunLogFileName(At(0), 4711), "update-20261211-031500-4711.log");
  EXPECT_EQ(RunLogFileName(At(9, 999), 12), "update-20261211-031509-12.log");
  EXPECT_EQ(LogTimeStamp(At(5, 7)), "2026-12-11 03:15:05.007");
}

TEST(RunLog, HeaderNamesVersionSettingsFileServerLoginAndStart) {
  struct Case {
    const char* what;
    std::string data_source, user_id;
    bool integrated;
    std::string server_line, login_line;
  } cases[] = {
      {"server login", "SQLHOST\\QUELOR", "sa", false, "Server: SQLHOST\\QUELOR\n", "Login: sa\n"},
      {"Windows authentication wins over a user", "host,1433", "sa", true, "Server: host,1433\n",
       "Login: Windows authentication\n"},
      {"nothing named (no settings file)", "", "", false, "Server: (none named)\n",
       "Login: (none named)\n"},
  };
  for (const Case& c : cases) {
    RunLogHeader header{"11.0.0", "/opt/quelor/SysDBAdo.INI", {}, At(0)};
    header.settings.data_source = c.data_source;
    header.settings.user_id = c.user_id;
    header.settings.integrated_security = c.integrated;
    header.settings.password = "Geheim123";
    const std::string text = RunLogHeaderText(header);
    EXPECT_EQ(text,
              "quelor-update 11.0.0 (database release 11)\n"
              "Settings file: /opt/quelor/SysDBAdo.INI\n" +
                  c.server_line + c.login_line + "Started: 2026-12-11 03:15:00\n\n")
        << c.what;
  }
}

// Both records of two connections get the time they were written; the
// password of the settings is in neither, nor in the header.
TEST(RunLog, PutsTheTimeBeforeEveryRecordAndNoPasswordAnywhere) {
  std::ostringstream file;
  int tick = 0;
  RunLog log(std::make_unique<MemoryFile>(file), "/logs/update-x.log",
             [&] { return At(1, 250 * tick++); });
  config::PasswordMask passwords;
  passwords.Remember("s3cr;et");
  RunLogHeader header{"11.0.0", "SysDBAdo.INI", {}, At(0)};
  header.settings.password = "s3cr;et";
  header.settings.user_id = "sa";
  header.settings.data_source = "host;s3cr;et";  // even where no password belongs
  log.WriteHeader(header, passwords);

  testing::Transcript transcript;
  testing::ScriptedConnection catalogue(transcript, "c"), working(transcript, "w");
  working.Fail("DROP", "Cannot drop 's3cr;et'.");
  db::TraceConnection traced_catalogue(catalogue, log.events(), "catalogue", passwords);
  db::TraceConnection traced_working(working, log.events(), "working", passwords);
  traced_catalogue.Open("Provider=SQLOLEDB.1;\r\nPassword=s3cr;et;\r\nInitial Catalog=Quelor;\r\n");
  EXPECT_THROW(traced_working.Execute("DROP TABLE x"), std::exception);
  EXPECT_EQ(log.Finish(0), "");

  const std::string text = file.str();
  EXPECT_EQ(text.find("s3cr"), std::string::npos) << text;
  EXPECT_NE(text.find("Server: host;***\nLogin: sa\nStarted: 2026-12-11 03:15:00\n\n"
                      "2026-12-11 03:15:01.000 === catalogue Quelor | open | ok | "),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Password=***;\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\n\n2026-12-11 03:15:01.250 === working  | execute | failed: "
                      "Cannot drop '***'. | "),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("DROP TABLE x\n\nEnded: 2026-12-11 03:15:01 with exit status 0\n"),
            std::string::npos)
      << text;
}

}  // namespace
}  // namespace quelor::app
