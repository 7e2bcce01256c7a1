// The guarded operations, row operations and policy helpers against a scripted
// connection: the exact probe and change texts, ColumnAddedFlag, and what a
// failure of each leads to.
#include "db/toolkit.h"

#include <gtest/gtest.h>

#include "support/recording_view.h"
#include "support/scripted_connection.h"

namespace quelor::db {
namespace {

using testing::Column;
using testing::RecordingView;
using testing::ScriptedConnection;
using testing::Transcript;

const char kAdresseStrasseProbe[] =
    "SELECT * FROM Information_Schema.Columns WHERE Table_Catalog='QUELOR_A' AND "
    "Table_Schema='dbo' AND Table_Name='Adresse' AND Column_Name='Strasse'";

class ToolkitTest : public ::testing::Test {
 protected:
  std::vector<std::string> Sent() const { return transcript.With("w execute "); }
  std::vector<std::string> Queries() const { return transcript.With("w query "); }
  std::vector<std::string> Dialogs() const { return transcript.With("dialog "); }
  // Sets ColumnAddedFlag to `value` through a probe of a made-up column.
  void PresetFlag(bool value) {
    if (value) {
      kit.AddField("Preset", "Flag", "int", "", "Null");
    } else {
      conn.Answer("Column_Name='Exists'", Column("COLUMN_NAME", {"Exists"}));
      kit.AddField("Preset", "Exists", "int", "", "Null");
    }
    transcript.lines.clear();
  }

  Transcript transcript;
  ScriptedConnection conn{transcript, "w"};
  RecordingView view{transcript};
  std::string database = "QUELOR_A";
  Toolkit kit{conn, database, view};
};

TEST_F(ToolkitTest, AddFieldAddsAMissingColumnOnceAndSetsTheFlag) {
  kit.AddField("Adresse", "IBAN1", "varchar", "(40)", "Null");
  EXPECT_EQ(Queries(), std::vector<std::string>{
                           "w query SELECT * FROM Information_Schema.Columns WHERE "
                           "Table_Catalog='QUELOR_A' AND Table_Schema='dbo' AND "
                           "Table_Name='Adresse' AND Column_Name='IBAN1'"});
  EXPECT_EQ(Sent(), std::vector<std::string>{
                        "w execute ALTER TABLE dbo.Adresse ADD IBAN1  varchar (40) Null"});
  EXPECT_TRUE(kit.ColumnAddedFlag());

  transcript.lines.clear();
  conn.Answer("Column_Name='IBAN1'", Column("COLUMN_NAME", {"IBAN1"}));
  kit.AddField("Adresse", "IBAN1", "varchar", "(40)", "Null");
  EXPECT_TRUE(Sent().empty());
  EXPECT_FALSE(kit.ColumnAddedFlag());
}

TEST_F(ToolkitTest, AddFieldWithoutSizeKeepsTwoBlanksBeforeTheNullability) {
  kit.AddField("Mandstam", "VereinUebUntgliedAbt", "smallint", "", "Null");
  EXPECT_EQ(Sent(), std::vector<std::string>{"w execute ALTER TABLE dbo.Mandstam ADD "
                                             "VereinUebUntgliedAbt  smallint  Null"});
}

TEST_F(ToolkitTest, AddFieldDropsAFailedChangeSilentlyAndKeepsTheFlag) {
  conn.Fail("ALTER TABLE dbo.Fehlt", "Cannot find the object \"dbo.Fehlt\"");
  kit.AddField("Fehlt", "Neu", "int", "", "Null");
  EXPECT_TRUE(Dialogs().empty());
  EXPECT_TRUE(kit.ColumnAddedFlag());
  EXPECT_FALSE(view.busy());
}

TEST_F(ToolkitTest, AFailingProbeEscapesLeavesTheFlagAndRestoresTheCursor) {
  for (bool preset : {false, true}) {
    SCOPED_TRACE(preset ? "flag was true" : "flag was false");
    ScriptedConnection failing(transcript, "w");
    Toolkit k(failing, database, view);
    if (preset) k.AddField("Preset", "Flag", "int", "", "Null");
    failing.Fail("SELECT", "Invalid object name 'x'.");
    transcript.lines.clear();
    EXPECT_THROW(k.AddField("Adresse", "IBAN1", "varchar", "(40)", "Null"), Error);
    EXPECT_THROW(k.AlterStringField("Adresse", "Strasse", "Varchar", "(40)", "Null", "50"), Error);
    EXPECT_THROW(k.DropConstraint("Adresse", "K"), Error);
    EXPECT_THROW(k.DropPrimaryKey("Adresse"), Error);
    EXPECT_THROW(k.AddIndex("Adresse", "iA", "A"), Error);
    EXPECT_EQ(k.ColumnAddedFlag(), preset);
    EXPECT_FALSE(view.busy());
    EXPECT_TRUE(Sent().empty());
  }
}

TEST_F(ToolkitTest, AlterStringFieldComparesTheCatalogueLengthAsText) {
  struct Case {
    std::optional<std::string> length;  // CHARACTER_MAXIMUM_LENGTH; nullopt: NULL
    bool column_exists;
    bool preset_flag;
    bool altered;
    bool flag_after;
  } cases[] = {
      {"40", true, false, true, true},     // widened
      {"60", true, false, true, true},     // shortened: equality only
      {"-1", true, false, true, true},     // varchar(max) is altered too
      {std::nullopt, true, false, true, true},  // no length in the catalogue
      {"50", true, true, false, true},     // already right: flag untouched
      {"50", true, false, false, false},   // already right: flag untouched
      {{}, false, true, false, false},     // column missing: flag false
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length.value_or("NULL") + (c.column_exists ? " exists" : " missing"));
    transcript.lines.clear();
    ScriptedConnection fresh(transcript, "w");
    Toolkit k(fresh, database, view);
    if (c.preset_flag) k.AddField("Preset", "Flag", "int", "", "Null");
    if (c.column_exists) {
      fresh.Answer("Column_Name='Strasse'",
                   ResultSet({"COLUMN_NAME", "CHARACTER_MAXIMUM_LENGTH"}, {{"Strasse", c.length}}));
    }
    transcript.lines.clear();
    k.AlterStringField("Adresse", "Strasse", "Varchar", "(40)", "Null", "50");
    EXPECT_EQ(transcript.With("w query "),
              std::vector<std::string>{std::string("w query ") + kAdresseStrasseProbe});
    if (c.altered) {
      EXPECT_EQ(Sent(), std::vector<std::string>{
                            "w execute ALTER TABLE dbo.Adresse ALTER COLUMN Strasse  Varchar (50) Null"});
    } else {
      EXPECT_TRUE(Sent().empty());
    }
    EXPECT_EQ(k.ColumnAddedFlag(), c.flag_after);
  }
}

TEST_F(ToolkitTest, AddIndexProbesTheWholeDatabaseAndSkipsEmptyColumns) {
  kit.AddIndex("F5BEW4", "iSuchText", "BUCHJAHR", "InterneNr", "SUCHTEXT");
  kit.AddIndex("F5BEW4", "iLuecke", "BUCHJAHR", "", "SUCHTEXT", "");
  conn.Answer("Name='iVorhanden'", Column("name", {"iVorhanden"}));
  kit.AddIndex("Adresse", "iVorhanden", "Name");
  EXPECT_EQ(Queries(), (std::vector<std::string>{
                           "w query SELECT * FROM SysIndexes WHERE Name='iSuchText'",
                           "w query SELECT * FROM SysIndexes WHERE Name='iLuecke'",
                           "w query SELECT * FROM SysIndexes WHERE Name='iVorhanden'"}));
  EXPECT_EQ(Sent(), (std::vector<std::string>{
                        "w execute CREATE NONCLUSTERED INDEX iSuchText ON F5BEW4 (BUCHJAHR, "
                        "InterneNr, SUCHTEXT)",
                        "w execute CREATE NONCLUSTERED INDEX iLuecke ON F5BEW4 (BUCHJAHR, SUCHTEXT)"}));
}

TEST_F(ToolkitTest, AddIndexLeavesTheFlagAlone) {
  for (bool preset : {false, true}) {
    PresetFlag(preset);
    kit.AddIndex("F5BEW4", "iNeu", "BUCHJAHR");
    EXPECT_EQ(kit.ColumnAddedFlag(), preset);
  }
}

TEST_F(ToolkitTest, DropConstraintSendsTwoCrLfLinesWhenAnObjectOfThatNameExists) {
  kit.DropConstraint("Sportarten", "PK_Sportarten");
  EXPECT_TRUE(Sent().empty());
  EXPECT_FALSE(kit.ColumnAddedFlag());

  conn.Answer("NAME='PK_Sportarten'", Column("name", {"PK_Sportarten"}));
  kit.DropConstraint("Sportarten", "PK_Sportarten");
  EXPECT_EQ(Queries().back(), "w query SELECT * FROM sysobjects WHERE NAME='PK_Sportarten'");
  EXPECT_EQ(Sent(), std::vector<std::string>{
                        "w execute ALTER TABLE dbo.Sportarten\r\n DROP CONSTRAINT PK_Sportarten\r\n"});
  EXPECT_TRUE(kit.ColumnAddedFlag());
}

TEST_F(ToolkitTest, DropPrimaryKeyDropsTheKeyFoundWhateverItsName) {
  const std::string probe =
      " SELECT  distinct i.name AS IndexName\r\n"
      " FROM    sys.indexes AS i INNER JOIN\r\n"
      " sys.index_columns AS ic ON  i.OBJECT_ID = ic.OBJECT_ID\r\n"
      " AND i.index_id = ic.index_id\r\n"
      " WHERE   i.is_primary_key = 1\r\n"
      " and OBJECT_NAME(ic.OBJECT_ID)='F5Dat'\r\n";
  kit.DropPrimaryKey("F5Dat");
  EXPECT_FALSE(kit.ColumnAddedFlag());
  conn.Answer("OBJECT_NAME(ic.OBJECT_ID)='F5Dat'", Column("IndexName", {"PK_F5DAT"}));
  kit.DropPrimaryKey("F5Dat");
  EXPECT_EQ(Queries(), (std::vector<std::string>{"w query " + probe, "w query " + probe}));
  EXPECT_EQ(Sent(), std::vector<std::string>{
                        "w execute ALTER TABLE dbo.F5Dat\r\n DROP CONSTRAINT PK_F5DAT\r\n"});
  EXPECT_TRUE(kit.ColumnAddedFlag());
}

TEST_F(ToolkitTest, FailedChangesOfTheWarningOperationsShowTheServerText) {
  const std::string text = "Could not drop constraint. See previous errors.";
  conn.Fail("ALTER TABLE dbo.T", text);
  conn.Fail("CREATE NONCLUSTERED INDEX", text);
  conn.Answer("Column_Name='C'", ResultSet({"CHARACTER_MAXIMUM_LENGTH"}, {{"10"}}));
  conn.Answer("NAME='K'", Column("name", {"K"}));
  conn.Answer("OBJECT_NAME", Column("IndexName", {"PK_T"}));
  kit.AlterStringField("T", "C", "varchar", "(10)", "Null", "20");
  kit.AddIndex("T", "iT", "C");
  kit.DropConstraint("T", "K");
  kit.DropPrimaryKey("T");
  EXPECT_EQ(Dialogs(), std::vector<std::string>(4, "dialog warning: " + text));
  EXPECT_FALSE(view.busy());
}

TEST_F(ToolkitTest, ProbeLiteralsDoubleQuotesInNames) {
  database = "QUELOR_O'Neill";
  kit.AddField("Adresse", "IBAN1", "varchar", "(40)", "Null");
  kit.DropPrimaryKey("Kunde'n");
  EXPECT_NE(Queries().at(0).find("Table_Catalog='QUELOR_O''Neill' AND"), std::string::npos);
  EXPECT_NE(Queries().at(1).find("OBJECT_NAME(ic.OBJECT_ID)='Kunde''n'\r\n"), std::string::npos);
}

TEST_F(ToolkitTest, EveryGuardedOperationShowsTheBusyCursorWhileItWorks) {
  kit.AddField("A", "B", "int", "", "Null");
  kit.AlterStringField("A", "B", "varchar", "", "Null", "5");
  kit.AddIndex("A", "iB", "B");
  kit.DropConstraint("A", "K");
  kit.DropPrimaryKey("A");
  EXPECT_EQ(transcript.With("cursor "), (std::vector<std::string>{
                                            "cursor busy", "cursor normal", "cursor busy",
                                            "cursor normal", "cursor busy", "cursor normal",
                                            "cursor busy", "cursor normal", "cursor busy",
                                            "cursor normal"}));
}

TEST_F(ToolkitTest, PolicyHelperHandlesEachPolicyWord) {
  conn.Fail("UPDATE", "Invalid column name 'X'.");
  kit.Exec(Policy::kIgnored, "UPDATE a");
  kit.Exec(Policy::kWarning, "UPDATE b");
  kit.Exec(Policy::kError, "UPDATE c");
  kit.Exec(Policy::kMessage, "UPDATE d");
  EXPECT_EQ(Dialogs(), (std::vector<std::string>{"dialog warning: Invalid column name 'X'.",
                                                 "dialog error: Invalid column name 'X'.",
                                                 "dialog message: Invalid column name 'X'."}));
  EXPECT_THROW(kit.Exec(Policy::kUnguarded, "UPDATE e"), Error);
}

TEST_F(ToolkitTest, ExecLinesEndsEveryLineWithCrLf) {
  kit.ExecLines(Policy::kWarning, {"UPDATE Adresse", "SET Land='D'"});
  EXPECT_EQ(Sent(), std::vector<std::string>{"w execute UPDATE Adresse\r\nSET Land='D'\r\n"});
}

TEST_F(ToolkitTest, TableProbeLooksInSysobjects) {
  EXPECT_TRUE(kit.TableMissing("AdrFunktion"));
  conn.Answer("name='AdrFunktion'", Column("name", {"AdrFunktion"}));
  EXPECT_FALSE(kit.TableMissing("AdrFunktion"));
  EXPECT_EQ(Queries().front(), "w query SELECT * FROM sysobjects WHERE name='AdrFunktion'");
}

TEST_F(ToolkitTest, AddStateSportsBodyInsertsOneRowAndWarnsOnFailure) {
  kit.AddStateSportsBody("BSB Nord", "Badischer Sportbund Nord");
  EXPECT_EQ(Sent(), std::vector<std::string>{
                        "w execute INSERT INTO tblLSB (Kennung, Bezeichnung)\r\nVALUES\r\n"
                        "('BSB Nord', 'Badischer Sportbund Nord')\r\n"});
  conn.Fail("tblLSB", "Violation of PRIMARY KEY constraint 'PK_tblLSB'.");
  kit.AddStateSportsBody("BSB Nord", "Badischer Sportbund Nord");
  EXPECT_EQ(Dialogs(), std::vector<std::string>{
                           "dialog warning: Violation of PRIMARY KEY constraint 'PK_tblLSB'."});
}

TEST_F(ToolkitTest, GrantRightToAllUsersIsUnguarded) {
  kit.GrantRightToAllUsers(1, "Vereinsdaten anlegen, bearbeiten", "Vereinsdaten");
  EXPECT_EQ(Sent(), std::vector<std::string>{
                        "w execute INSERT INTO tblRechte (BENUTZER, RB, Bezeichnung, Kurzname, Ind)\r\n"
                        " SELECT BENUTZER, 1, 'Vereinsdaten anlegen, bearbeiten', 'Vereinsdaten', "
                        "'J' FROM PASS\r\n"});
  conn.Fail("tblRechte", "Invalid object name 'PASS'.");
  EXPECT_THROW(kit.GrantRightToAllUsers(2, "x", "y"), Error);
}

TEST_F(ToolkitTest, ValuesWithAnApostropheAreDoubledNotBroken) {
  EXPECT_EQ(QuoteLiteral("abc"), "'abc'");
  EXPECT_EQ(QuoteLiteral("Sparkasse O'Brien"), "'Sparkasse O''Brien'");
  kit.AddStateSportsBody("LSB", "Landessportbund d'Ouest");
  kit.GrantRightToAllUsers(3, "Mitglieder's Daten", "M'D");
  EXPECT_NE(Sent().at(0).find("('LSB', 'Landessportbund d''Ouest')"), std::string::npos);
  EXPECT_NE(Sent().at(1).find(" SELECT BENUTZER, 3, 'Mitglieder''s Daten', 'M''D', 'J' FROM PASS"),
            std::string::npos);
}

TEST_F(ToolkitTest, SQLExecSendsEachBatchAndGoesOnAfterAFailedOne) {
  conn.Fail("DROP TABLE", "Cannot drop the table 'x', because it does not exist or you do not "
                          "have permission.");
  kit.SQLExec("DROP TABLE x\r\nGO\r\nCREATE TABLE y (a int)\r\ngo  \r\nINSERT INTO y VALUES (1)\r\n");
  EXPECT_EQ(Sent(), (std::vector<std::string>{"w execute DROP TABLE x\n",
                                              "w execute CREATE TABLE y (a int)\n"}));
  EXPECT_EQ(Dialogs(), std::vector<std::string>{
                           "dialog message: Cannot drop the table 'x', because it does not exist "
                           "or you do not have permission."});
  EXPECT_FALSE(view.busy());

  // A second script starts afresh: the unterminated tail above is never sent.
  transcript.lines.clear();
  kit.SQLExec("SELECT 1\nGO\n");
  EXPECT_EQ(Sent(), std::vector<std::string>{"w execute SELECT 1\n"});
}

}  // namespace
}  // namespace quelor::db
