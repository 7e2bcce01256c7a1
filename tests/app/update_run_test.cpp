// The update run over scripted connections: the order of connects, captions
// and migrations, the gauge, the connect error dialog, the stop box and the
// success dialog.
#include "app/update_run.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/memory_shortcuts.h"
#include "support/recording_view.h"
#include "support/scripted_connection.h"

namespace quelor::app {
namespace {

using testing::Column;
using testing::RecordingView;
using testing::ScriptedConnection;
using testing::Transcript;

const std::string kTitle(kApplicationTitle);
const char kIni[] = "[Datenbank]\nProvider=SQLOLEDB.1\nUser ID=sa\nPassword=pw\nData Source=SRV\n";

class UpdateRunTest : public ::testing::Test {
 protected:
  // Lists `tenants` as the server's answer to the tenant query.
  void ListTenants(const std::vector<std::optional<std::string>>& tenants) {
    catalogue.Answer(std::string(kTenantListQuery), Column("name", tenants));
  }
  UpdateRun& Run() {
    if (!run) {
      run = std::make_unique<UpdateRun>(RunDependencies{
          catalogue, working, view, [this] { return config::IniFile::Parse(ini); }, steps});
    }
    return *run;
  }
  // Lines of the transcript that tell the story of the run, without probes.
  std::vector<std::string> Story() const {
    std::vector<std::string> out;
    for (const std::string& line : transcript.lines) {
      for (const char* prefix :
           {"caption ", "c open ", "w open ", "c query ", "dialog ", "step "}) {
        if (line.rfind(prefix, 0) == 0) out.push_back(line);
      }
    }
    return out;
  }

  Transcript transcript;
  ScriptedConnection catalogue{transcript, "c"};
  ScriptedConnection working{transcript, "w"};
  RecordingView view{transcript};
  std::string ini = kIni;
  // The tenant migration's steps: records which database it ran on.
  std::function<void(migration::TenantContext&)> steps = [this](migration::TenantContext& c) {
    transcript.Add("step " + c.current_database);
    c.db.Exec(db::Policy::kUnguarded, "UPDATE tblVersion SET Version='11'");
  };
  std::unique_ptr<UpdateRun> run;
};

TEST_F(UpdateRunTest, MigratesEveryListedTenantInServerOrderAndEndsWithSuccess) {
  ListTenants({"QUELOR_B", "Quelor", "quelor_a"});
  EXPECT_EQ(Run().Start(), RunOutcome::kFinished);
  const std::string list = "c query " + std::string(kTenantListQuery);
  EXPECT_EQ(Story(),
            (std::vector<std::string>{
                "caption " + kTitle,
                "c open Quelor",
                list,
                "caption QUELOR_B/" + kTitle,
                "w open QUELOR_B",
                "step QUELOR_B",
                "caption Quelor/" + kTitle,
                "w open Quelor",
                "step Quelor",
                "caption quelor_a/" + kTitle,
                "w open quelor_a",
                "step quelor_a",
                // The pass over all databases; this server lists none.
                "c open Quelor",
                "c query SELECT name FROM master.dbo.sysdatabases where UPPER(name) LIKE 'QUELOR%'",
                "caption " + kTitle,
                "dialog information Informationen: UPDATE erfolgreich ausgeführt!",
            }))
      << transcript.Dump();
  EXPECT_EQ(view.gauge(), 0);
}

TEST_F(UpdateRunTest, StartsOnlyOnce) {
  ListTenants({"QUELOR_A"});
  EXPECT_EQ(Run().Start(), RunOutcome::kFinished);
  const std::size_t lines = transcript.lines.size();
  EXPECT_EQ(Run().Start(), RunOutcome::kFinished);
  EXPECT_EQ(transcript.lines.size(), lines);
}

TEST_F(UpdateRunTest, NoTenantDatabaseStillEndsWithSuccess) {
  EXPECT_EQ(Run().Start(), RunOutcome::kFinished);
  EXPECT_EQ(transcript.With("dialog ").back(),
            "dialog information Informationen: UPDATE erfolgreich ausgeführt!");
  EXPECT_TRUE(transcript.With("step ").empty());
}

TEST_F(UpdateRunTest, GaugeFollowsTheProgressRuleOverSeventyOneAdvances) {
  ListTenants({"QUELOR_A", "QUELOR_B"});
  steps = [](migration::TenantContext& c) {
    for (int i = 0; i < 71; ++i) c.progress.UpdateProgress();
  };
  Run().Start();
  const std::vector<std::string> one_tenant = {
      "gauge 1",  "gauge 8",  "gauge 12", "gauge 15", "gauge 19",  "gauge 23", "gauge 27",
      "gauge 31", "gauge 35", "gauge 38", "gauge 42", "gauge 46",  "gauge 50", "gauge 54",
      "gauge 58", "gauge 62", "gauge 65", "gauge 69", "gauge 73",  "gauge 77", "gauge 81",
      "gauge 85", "gauge 88", "gauge 92", "gauge 96", "gauge 100", "gauge 0"};
  std::vector<std::string> two_tenants = one_tenant;
  two_tenants.insert(two_tenants.end(), one_tenant.begin(), one_tenant.end());
  EXPECT_EQ(transcript.With("gauge "), two_tenants);
}

TEST_F(UpdateRunTest, TenantMigrationFrameShowsCursorAndGaugeAroundTheSteps) {
  ListTenants({"QUELOR_A"});
  Run().Start();
  std::vector<std::string> frame;
  for (const std::string& line : transcript.lines) {
    if (line == "messages" || line.rfind("cursor ", 0) == 0 || line.rfind("gauge ", 0) == 0 ||
        line.rfind("step ", 0) == 0) {
      frame.push_back(line);
    }
  }
  EXPECT_EQ(frame,
            (std::vector<std::string>{"messages", "messages", "cursor busy", "gauge 1",
                                      "step QUELOR_A", "cursor normal", "gauge 100", "gauge 0"}));
}

TEST_F(UpdateRunTest, ATenantThatCannotBeConnectedIsSkipped) {
  ListTenants({"QUELOR_A", "QUELOR_B", "QUELOR_C"});
  working.FailOpen("QUELOR_B", "Cannot open database \"QUELOR_B\" requested by the login.");
  EXPECT_EQ(Run().Start(), RunOutcome::kFinished);
  EXPECT_EQ(transcript.With("step "), (std::vector<std::string>{"step QUELOR_A", "step QUELOR_C"}));
  EXPECT_EQ(
      transcript.With("dialog error"),
      std::vector<std::string>{"dialog error Fehler: False parameters for database connection.\n"
                               "Unable to connect to database 'QUELOR_B'.\n\n"
                               "Cannot open database \"QUELOR_B\" requested by the login."});
}

TEST_F(UpdateRunTest, AFailedTenantConnectLeavesItsNameAsCurrentDatabase) {
  working.FailOpen("QUELOR_X", "refused");
  Run().MandantChange("QUELOR_X");
  EXPECT_EQ(Run().current_database(), "QUELOR_X");
  EXPECT_FALSE(working.IsOpen());
  transcript.lines.clear();
  Run().MigrateTenant();
  EXPECT_TRUE(transcript.lines.empty()) << transcript.Dump();
}

// A failure text that repeats the password (as some drivers' do) reaches
// neither the connect error dialog nor the stop box after the tenant list's
// second try, whatever the password holds.
TEST_F(UpdateRunTest, NeitherTheConnectDialogNorTheStopBoxShowsThePassword) {
  const char* const passwords[] = {"Geh;eim Wort=1", "a=b;c",    "{klammer}", "x}y;z",
                                   "zwei Worte",     "Grüße;Äö", "it's \"q\""};
  for (const char* password : passwords) {
    Transcript lines;
    ScriptedConnection c{lines, "c"}, w{lines, "w"};
    RecordingView v{lines};
    const std::string settings = std::string("[Datenbank]\nProvider=SQLOLEDB.1\nUser ID=sa\n") +
                                 "Password=" + password + "\nData Source=SRV\n";
    c.FailOpen("Quelor", std::string("Login with PWD={") + password + "} failed");
    UpdateRun fresh({c, w, v, [&] { return config::IniFile::Parse(settings); }, steps});
    EXPECT_EQ(fresh.Start(), RunOutcome::kStopped);
    EXPECT_EQ(lines.With("dialog "),
              (std::vector<std::string>{
                  "dialog error Fehler: False parameters for database connection.\n"
                  "Unable to connect to database 'Quelor'.\n\nLogin with PWD=*** failed",
                  "dialog stop " + kTitle + ": Login with PWD=*** failed."}))
        << password;
  }
}

TEST_F(UpdateRunTest, AnEscapedFailureStopsTheRunWhereItHappened) {
  ListTenants({"QUELOR_1", "QUELOR_2", "QUELOR_3", "QUELOR_4", "QUELOR_5"});
  steps = [this](migration::TenantContext& c) {
    transcript.Add("step " + c.current_database);
    c.progress.UpdateProgress();
    if (c.current_database == "QUELOR_3") {
      c.db.Exec(db::Policy::kUnguarded, "ALTER TABLE dbo.F5BuText ADD x int");
    }
  };
  working.Fail("F5BuText",
               "Cannot find the object \"dbo.F5BuText\" because it does not exist or "
               "you do not have permissions");
  EXPECT_EQ(Run().Start(), RunOutcome::kStopped);
  EXPECT_EQ(transcript.With("step "),
            (std::vector<std::string>{"step QUELOR_1", "step QUELOR_2", "step QUELOR_3"}));
  EXPECT_EQ(transcript.With("dialog ").back(),
            "dialog stop " + kTitle +
                ": Cannot find the object \"dbo.F5BuText\" because it does not exist or you do "
                "not have permissions.");
  EXPECT_TRUE(transcript.With("dialog information").empty());
  EXPECT_EQ(transcript.With("caption ").back(), "caption QUELOR_3/" + kTitle);
  EXPECT_EQ(view.gauge(), 8);  // left where the failure found it
  EXPECT_FALSE(view.busy());
}

TEST_F(UpdateRunTest, WithoutIniFileTheCatalogueConnectFailsAndTheTenantListStopsTheRun) {
  ini = "";
  catalogue.FailOpen("Quelor", "The provider 'ERROR' is not a SQL Server client.");
  EXPECT_EQ(Run().Start(), RunOutcome::kStopped);
  EXPECT_EQ(transcript.With("dialog "),
            (std::vector<std::string>{
                "dialog error Fehler: False parameters for database connection.\n"
                "Unable to connect to database 'Quelor'.\n\n"
                "The provider 'ERROR' is not a SQL Server client.",
                "dialog stop " + kTitle + ": The provider 'ERROR' is not a SQL Server client."}));
  // The tenant query opened the connection again with the same text.
  EXPECT_EQ(transcript.With("c open "),
            (std::vector<std::string>{"c open Quelor", "c open Quelor"}));
  EXPECT_TRUE(transcript.With("c query ").empty());
}

TEST_F(UpdateRunTest, SettingsAreReadAgainAtEveryConnect) {
  ListTenants({"QUELOR_A"});
  Run().pConn("Quelor");
  EXPECT_EQ(Run().settings().data_source, "SRV");
  ini = "[Datenbank]\nData Source=OTHER\n";
  Run().MandantChange("QUELOR_A");
  EXPECT_EQ(Run().settings().data_source, "OTHER");
}

TEST_F(UpdateRunTest, RefreshesShortcutsAfterTheTenantsAndBeforeTheSuccessDialog) {
  platform::MemoryShortcuts shortcuts;
  shortcuts.SetFolder(platform::SpecialFolder::kDesktop, "/home/kasse/Desktop");
  shortcuts.AddShortcut("/home/kasse/Desktop/Quelor vereinsverwaltung premium 2023.lnk",
                        "Quelor vereinsverwaltung premium 2023");
  shortcuts.AddBrokenShortcut("/home/kasse/Desktop/Quelor kasse standard 2024.lnk",
                              "Zugriff verweigert");
  ListTenants({"QUELOR_A"});
  run = std::make_unique<UpdateRun>(RunDependencies{
      catalogue, working, view, [this] { return config::IniFile::Parse(ini); }, steps, &shortcuts});
  EXPECT_EQ(run->Start(), RunOutcome::kFinished);
  EXPECT_EQ(shortcuts.Description("/home/kasse/Desktop/Quelor vereinsverwaltung premium 2023.lnk"),
            "Quelor vereinsverwaltung premium 2024");
  // The user's desktop is the second attempt of the last entry.
  EXPECT_EQ(transcript.With("dialog "),
            (std::vector<std::string>{
                "dialog message " + kTitle + ": 2Zugriff verweigert",
                "dialog information Informationen: UPDATE erfolgreich ausgeführt!"}));
}

// The run with the connection that holds the run lock; the lock statement
// is answered with `status` unless a test scripts it otherwise.
class RunLockTest : public UpdateRunTest {
 protected:
  UpdateRun& RunWithLock() {
    run =
        std::make_unique<UpdateRun>(RunDependencies{catalogue,
                                                    working,
                                                    view,
                                                    [this] { return config::IniFile::Parse(ini); },
                                                    steps,
                                                    nullptr,
                                                    {},
                                                    lock.get()});
    return *run;
  }
  void AnswerLock(const std::string& status) {
    lock->Answer(std::string(kRunLockStatement), Column("Ergebnis", {status}));
  }

  std::unique_ptr<ScriptedConnection> lock = std::make_unique<ScriptedConnection>(transcript, "l");
};

TEST_F(RunLockTest, TakenAfterTheTenantListBeforeTheFirstChangeAndGivenBackAtTheEnd) {
  ListTenants({"QUELOR_A"});
  AnswerLock("0");
  EXPECT_EQ(RunWithLock().Start(), RunOutcome::kFinished);
  std::vector<std::string> story;
  for (const std::string& line : transcript.lines) {
    for (const char* prefix :
         {"c open ",
          "c query SELECT name FROM master.dbo.sysdatabases where UPPER(name) LIKE 'QUELOR%' AND",
          "l ", "w open ", "dialog "}) {
      if (line.rfind(prefix, 0) == 0) story.push_back(line);
    }
  }
  EXPECT_EQ(story, (std::vector<std::string>{
                       "c open Quelor",
                       "c query " + std::string(kTenantListQuery),
                       "l open Quelor",
                       "l query " + std::string(kRunLockStatement),
                       "w open QUELOR_A",
                       "c open Quelor",
                       "dialog information Informationen: UPDATE erfolgreich ausgeführt!",
                       "l execute " + std::string(kRunLockReleaseStatement),
                   }))
      << transcript.Dump();
  EXPECT_FALSE(lock->IsOpen());
}

TEST_F(RunLockTest, OnlyALockHeldByAnotherRunStopsTheRun) {
  struct Case {
    const char* name;
    std::function<void()> script;
    RunOutcome outcome;
    int exit_status;
  };
  const std::vector<Case> cases = {
      {"granted", [this] { AnswerLock("0"); }, RunOutcome::kFinished, 0},
      {"granted after waiting", [this] { AnswerLock("1"); }, RunOutcome::kFinished, 0},
      {"held by another run", [this] { AnswerLock("-1"); }, RunOutcome::kServerBusy, 3},
      {"refused by the server",
       [this] { lock->Fail("sp_getapplock", "Could not find stored procedure 'sp_getapplock'."); },
       RunOutcome::kFinished, 0},
      {"no lock connection", [this] { lock->FailOpen("Quelor", "Login failed for user 'sa'."); },
       RunOutcome::kFinished, 0},
  };
  for (const Case& c : cases) {
    transcript.lines.clear();
    lock = std::make_unique<ScriptedConnection>(transcript, "l");
    ListTenants({"QUELOR_A"});
    c.script();
    EXPECT_EQ(RunWithLock().Start(), c.outcome) << c.name;
    EXPECT_EQ(ExitStatusOf(c.outcome), c.exit_status) << c.name;
    EXPECT_FALSE(lock->IsOpen()) << c.name;
    if (c.outcome == RunOutcome::kServerBusy) {
      EXPECT_EQ(transcript.With("dialog "),
                std::vector<std::string>{"dialog stop " + kTitle +
                                         ": Auf diesem Server läuft bereits ein UPDATE. Bitte "
                                         "warten Sie, bis es beendet ist, und starten Sie das "
                                         "UPDATE dann erneut."})
          << c.name;
      EXPECT_TRUE(transcript.With("w ").empty()) << c.name << transcript.Dump();
      EXPECT_TRUE(transcript.With("l execute").empty()) << c.name;  // not ours to release
    } else {
      EXPECT_EQ(transcript.With("step "), std::vector<std::string>{"step QUELOR_A"}) << c.name;
      EXPECT_EQ(transcript.With("dialog ").size(), 1u) << c.name << transcript.Dump();
    }
  }
}

TEST_F(RunLockTest, AStoppedRunGivesTheLockBackBeforeTheStopBox) {
  ListTenants({"QUELOR_A", "QUELOR_B"});
  AnswerLock("0");
  working.Fail("UPDATE tblVersion", "The connection is broken.");
  EXPECT_EQ(RunWithLock().Start(), RunOutcome::kStopped);
  EXPECT_EQ(ExitStatusOf(RunOutcome::kStopped), 1);
  const std::vector<std::string>& lines = transcript.lines;
  const auto release =
      std::find(lines.begin(), lines.end(), "l execute " + std::string(kRunLockReleaseStatement));
  const auto stop_box = std::find(lines.begin(), lines.end(),
                                  "dialog stop " + kTitle + ": The connection is broken.");
  ASSERT_NE(stop_box, lines.end()) << transcript.Dump();
  EXPECT_LT(release, stop_box) << transcript.Dump();
  EXPECT_FALSE(lock->IsOpen());
}

TEST(StopBoxText, AppendsAFullStopAfterCharactersAboveIt) {
  const struct {
    const char* failure;
    const char* shown;
  } cases[] = {
      {"Invalid object name 'F5BuText'", "Invalid object name 'F5BuText'"},
      {"Invalid object name 'F5BuText'.", "Invalid object name 'F5BuText'."},
      {"Timeout expired", "Timeout expired."},
      {"Fehler 42", "Fehler 42."},
      {"Abbruch!", "Abbruch!"},
      {"(Zeile 3)", "(Zeile 3)"},
      {"a-", "a-"},
      {"a/", "a/."},
      {"", ""},
      {"Datei gelöscht: ä", "Datei gelöscht: ä."},
  };
  for (const auto& c : cases) EXPECT_EQ(StopBoxText(c.failure), c.shown) << c.failure;
}

}  // namespace
}  // namespace quelor::app
