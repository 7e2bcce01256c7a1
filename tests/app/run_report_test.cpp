// The run report over scripted connections: each database's outcome, the
// dialogs with the statements that caused them, the JSON form against its
// schema, and the exit status table.
#include "app/run_report.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "app/run_report_json.h"
#include "app/run_report_text.h"
#include "app/update_run.h"
#include "support/recording_view.h"
#include "support/scripted_connection.h"

namespace quelor::app {
namespace {

using testing::Column;
using testing::RecordingView;
using testing::ScriptedConnection;
using testing::Transcript;

const char kIni[] =
    "[Datenbank]\nProvider=SQLOLEDB.1\nUser ID=kasse\nPassword=pw\nData Source=SRV\n";

class RunReportTest : public ::testing::Test {
 protected:
  // The tenants as listed, and every product database for the final pass.
  void List(const std::vector<std::optional<std::string>>& tenants,
            const std::vector<std::optional<std::string>>& all) {
    scene->catalogue.Answer(std::string(kAllProductDatabasesQuery), Column("name", all));
    scene->catalogue.Answer(std::string(kTenantListQuery), Column("name", tenants));
  }
  RunReport Run() {
    UpdateRun run({scene->catalogue, scene->working, scene->view,
                   [this] { return config::IniFile::Parse(ini); }, steps});
    run.Start();
    exit_status = run.ExitStatus();
    return run.recorder().Snapshot();
  }
  std::vector<std::pair<std::string, std::string>> Outcomes(const RunReport& report) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const DatabaseReport& d : report.databases) {
      out.emplace_back(d.name, std::string(DatabaseOutcomeName(d.outcome)));
    }
    return out;
  }

  // The server and the view of one run; a table of cases starts each on a
  // fresh one.
  struct Scene {
    Transcript transcript;
    ScriptedConnection catalogue{transcript, "c"};
    ScriptedConnection working{transcript, "w"};
    RecordingView view{transcript};
  };
  std::unique_ptr<Scene> scene = std::make_unique<Scene>();
  std::string ini = kIni;
  // Two statements per tenant; QUELOR_B's second is a warning step.
  std::function<void(migration::TenantContext&)> steps = [](migration::TenantContext& c) {
    c.db.Exec(db::Policy::kUnguarded, "UPDATE tblVersion SET Version='11'");
    c.db.Exec(db::Policy::kWarning, "ALTER TABLE dbo.F5Dat ADD Kn5a int");
  };
  int exit_status = -1;
};

TEST_F(RunReportTest, OutcomesOfEachDatabaseAndTheExitStatus) {
  using Outcome = std::pair<std::string, std::string>;
  struct Case {
    const char* name;
    std::function<void()> script;
    std::vector<Outcome> outcomes;
    RunOutcome run_outcome;
    int exit_status;
  };
  const std::vector<Case> cases = {
      {"clean run",
       [] {},
       {{"QUELOR_A", "migrated"},
        {"QUELOR_B", "migrated"},
        {"QUELOR_C", "migrated"},
        {"QUELORTMP1", "final pass only"}},
       RunOutcome::kFinished,
       0},
      {"a warning in the second tenant",
       [this] { scene->working.Fail("ADD Kn5a", "Column names in each table must be unique."); },
       {{"QUELOR_A", "migrated"},
        {"QUELOR_B", "migrated"},
        {"QUELOR_C", "migrated"},
        {"QUELORTMP1", "final pass only"}},
       RunOutcome::kFinished,
       4},
      {"stopped in the second of three tenants",
       [this] {
         steps = [](migration::TenantContext& c) {
           c.db.Exec(db::Policy::kUnguarded, "UPDATE tblVersion SET Version='11'");
           if (c.current_database == "QUELOR_B") {
             c.db.Exec(db::Policy::kUnguarded, "ALTER TABLE dbo.F5BuText ADD x int");
           }
         };
         scene->working.Fail("F5BuText", "Invalid object name 'dbo.F5BuText'");
       },
       {{"QUELOR_A", "migrated"}, {"QUELOR_B", "stopped"}, {"QUELOR_C", "not reached"}},
       RunOutcome::kStopped,
       1},
      {"a tenant that cannot be connected",
       [this] { scene->working.FailOpen("QUELOR_B", "Cannot open database \"QUELOR_B\"."); },
       {{"QUELOR_A", "migrated"},
        {"QUELOR_B", "not connected"},
        {"QUELOR_C", "migrated"},
        {"QUELORTMP1", "final pass only"}},
       RunOutcome::kFinished,
       4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    scene = std::make_unique<Scene>();
    List({"QUELOR_A", "QUELOR_B", "QUELOR_C"}, {"QUELOR_A", "QUELOR_C", "QUELORTMP1"});
    c.script();
    const RunReport report = Run();
    EXPECT_EQ(Outcomes(report), c.outcomes) << ReportText(report) << scene->transcript.Dump();
    EXPECT_EQ(report.outcome, c.run_outcome);
    EXPECT_EQ(exit_status, c.exit_status);
    EXPECT_EQ(report.server, "SRV");
    EXPECT_EQ(report.login, "kasse");
  }
}

TEST_F(RunReportTest, AWarningNamesItsStatementAndEachDatabaseCountsItsOwnStatements) {
  List({"QUELOR_A", "QUELOR_B"}, {});
  scene->working.Fail("ADD Kn5a", "Column names in each table must be unique.");
  const RunReport report = Run();
  ASSERT_EQ(report.databases.size(), 2u);
  for (const DatabaseReport& d : report.databases) {
    SCOPED_TRACE(d.name);
    EXPECT_EQ(d.statements, 2);
    ASSERT_EQ(d.dialogs.size(), 1u);
    EXPECT_EQ(d.dialogs[0].kind, DialogKind::kWarning);
    EXPECT_EQ(d.dialogs[0].text, "Column names in each table must be unique.");
    EXPECT_EQ(d.dialogs[0].statement, "ALTER TABLE dbo.F5Dat ADD Kn5a int");
  }
  EXPECT_EQ(report.WarningsAndErrors(), 2);
  // The tenant list, the list of all databases.
  EXPECT_EQ(report.catalogue_statements, 2);
  EXPECT_EQ(report.TotalStatements(), 6);
}

TEST_F(RunReportTest, TheStopNamesTheFailedStatementAndTheStopBoxText) {
  List({"QUELOR_A", "QUELOR_B", "QUELOR_C"}, {});
  scene->working.Fail("SET Version", "The connection is broken");
  const RunReport report = Run();
  const DatabaseReport* a = report.Find("QUELOR_A");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->outcome, DatabaseOutcome::kStopped);
  EXPECT_EQ(a->stop_statement, "UPDATE tblVersion SET Version='11'");
  EXPECT_EQ(a->stop_failure, "The connection is broken.");
  EXPECT_EQ(report.stop_failure, "The connection is broken.");
  EXPECT_EQ(report.Find("QUELOR_C")->statements, 0);
}

TEST_F(RunReportTest, ATenantThatCannotBeConnectedKeepsItsErrorDialog) {
  List({"QUELOR_A", "QUELOR_B"}, {});
  scene->working.FailOpen("QUELOR_B", "Login failed.");
  const RunReport report = Run();
  const DatabaseReport* b = report.Find("QUELOR_B");
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->outcome, DatabaseOutcome::kNotConnected);
  ASSERT_EQ(b->dialogs.size(), 1u);
  EXPECT_EQ(b->dialogs[0].kind, DialogKind::kError);
  EXPECT_NE(b->dialogs[0].text.find("Unable to connect to database 'QUELOR_B'"), std::string::npos);
  EXPECT_EQ(b->dialogs[0].statement, "");
  EXPECT_EQ(b->statements, 0);
}

TEST_F(RunReportTest, WindowsAuthenticationIsNamedInsteadOfALogin) {
  ini = "[Datenbank]\nWinAuth=J\nUser ID=ignored\nData Source=SRV\\SQL2019\n";
  const RunReport report = Run();
  EXPECT_EQ(report.login, "Windows authentication");
  EXPECT_EQ(ServerLine(report.server, report.login),
            "Server: SRV\\SQL2019, login: Windows authentication");
}

// A check of a JSON value against the parts of JSON Schema that
// docs/report.schema.json uses: type, required, properties, items, enum,
// minimum, pattern and local $ref. Returns the first mismatch, or "".
std::string Check(const nlohmann::json& value, const nlohmann::json& schema,
                  const nlohmann::json& root, const std::string& where) {
  if (schema.contains("$ref")) {
    const std::string ref = schema["$ref"];
    return Check(value, root.at(nlohmann::json::json_pointer(ref.substr(1))), root, where);
  }
  if (schema.contains("type")) {
    auto is = [&](const std::string& type) {
      return (type == "object" && value.is_object()) || (type == "array" && value.is_array()) ||
             (type == "string" && value.is_string()) || (type == "null" && value.is_null()) ||
             (type == "integer" && value.is_number_integer()) ||
             (type == "number" && value.is_number()) || (type == "boolean" && value.is_boolean());
    };
    const nlohmann::json& type = schema["type"];
    bool matched = false;
    for (const auto& t : type.is_array() ? type : nlohmann::json::array({type})) {
      matched = matched || is(t.get<std::string>());
    }
    if (!matched) return where + ": not of type " + type.dump();
  }
  if (schema.contains("enum") &&
      std::find(schema["enum"].begin(), schema["enum"].end(), value) == schema["enum"].end()) {
    return where + ": " + value.dump() + " is not one of " + schema["enum"].dump();
  }
  if (schema.contains("minimum") && value.is_number() && value < schema["minimum"]) {
    return where + ": below the minimum";
  }
  if (schema.contains("pattern") && value.is_string() &&
      !std::regex_search(value.get<std::string>(),
                         std::regex(schema["pattern"].get<std::string>()))) {
    return where + ": does not match " + schema["pattern"].dump();
  }
  if (value.is_object()) {
    const nlohmann::json required = schema.value("required", nlohmann::json::array());
    const nlohmann::json properties = schema.value("properties", nlohmann::json::object());
    for (const auto& key : required) {
      if (!value.contains(key)) return where + ": " + key.get<std::string>() + " is missing";
    }
    for (const auto& [key, sub] : properties.items()) {
      if (!value.contains(key)) continue;
      if (std::string e = Check(value[key], sub, root, where + "." + key); !e.empty()) return e;
    }
  }
  if (value.is_array() && schema.contains("items")) {
    for (std::size_t i = 0; i < value.size(); ++i) {
      std::string e = Check(value[i], schema["items"], root, where + "[" + std::to_string(i) + "]");
      if (!e.empty()) return e;
    }
  }
  return "";
}

TEST_F(RunReportTest, TheJsonFitsItsSchema) {
  std::ifstream in(std::string(QUELOR_SOURCE_DIR) + "/docs/report.schema.json");
  ASSERT_TRUE(in) << "docs/report.schema.json";
  const nlohmann::json schema = nlohmann::json::parse(in);
  // A run with a warning, a database the pass alone visits, and a stop in the
  // pass: every kind of field is filled.
  List({"QUELOR_A"}, {"QUELOR_A", "QUELORTMP1"});
  scene->working.Fail("ADD Kn5a", "Column names in each table must be unique.");
  scene->working.FailOpen("QUELORTMP1", "Login failed.");
  const RunReport report = Run();
  ASSERT_EQ(report.outcome, RunOutcome::kStopped) << scene->transcript.Dump();
  const nlohmann::json json = ReportJson(report);
  EXPECT_EQ(Check(json, schema, schema, "report"), "") << json.dump(2);
  EXPECT_EQ(json["databases"][1]["outcome"], "stopped") << json.dump(2);
  EXPECT_EQ(json["databases"][0]["dialogs"][0]["statement"], "ALTER TABLE dbo.F5Dat ADD Kn5a int");

  // The check itself finds what a reader of the report relies on.
  for (const auto& [pointer, broken] : std::vector<std::pair<std::string, nlohmann::json>>{
           {"/totals/statements", "many"},
           {"/databases/0/outcome", "done"},
           {"/started", "yesterday"},
           {"/databases/1/stop/failure", nullptr}}) {
    nlohmann::json changed = json;
    changed[nlohmann::json::json_pointer(pointer)] = broken;
    EXPECT_NE(Check(changed, schema, schema, "report"), "") << pointer;
  }
  nlohmann::json without = json;
  without.erase("server");
  EXPECT_NE(Check(without, schema, schema, "report"), "");
}

TEST(ExitStatus, OneForEachWayARunEnds) {
  const struct {
    RunOutcome outcome;
    bool warnings_or_errors;
    int status;
  } cases[] = {
      {RunOutcome::kFinished, false, 0},   {RunOutcome::kFinished, true, 4},
      {RunOutcome::kStopped, false, 1},    {RunOutcome::kStopped, true, 1},
      {RunOutcome::kServerBusy, false, 3}, {RunOutcome::kNotStarted, false, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExitStatusOf(c.outcome, c.warnings_or_errors), c.status)
        << RunOutcomeName(c.outcome) << " " << c.warnings_or_errors;
  }
}

}  // namespace
}  // namespace quelor::app
