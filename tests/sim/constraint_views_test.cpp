// The constraint views an inspector of a rehearsed server queries: key,
// foreign key and default constraints through INFORMATION_SCHEMA and sys,
// with ids that agree with sys.objects, sys.columns and sysobjects.
#include "sim/catalog/system_views.h"
#include "sim/catalog/view_builder.h"
#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

using TextTable = std::vector<std::vector<std::string>>;

class ConstraintViewTest : public SimTest {
 protected:
  ConstraintViewTest() { CreateClubTables(); }

  // A club with a primary key, a two-column unique constraint and a named
  // default; its members refer to it by key (ON DELETE CASCADE) and by the
  // unique columns (added WITH NOCHECK), and have an unnamed default.
  void CreateClubTables() {
    Run("CREATE TABLE dbo.Verein (VereinNr int NOT NULL, Land char(2) NOT NULL CONSTRAINT "
        "DF_Verein_Land DEFAULT 'DE',"
        " Kuerzel varchar(10) NOT NULL, CONSTRAINT PK_Verein PRIMARY KEY (VereinNr),"
        " CONSTRAINT UQ_Verein_Kuerzel UNIQUE (Land, Kuerzel))");
    Run("CREATE TABLE dbo.Mitglied (MitgliedNr int NOT NULL, VereinNr int NOT NULL, Land char(2) "
        "NULL,"
        " Kuerzel varchar(10) NULL, Status int NOT NULL DEFAULT 0)");
    Run("ALTER TABLE dbo.Mitglied ADD CONSTRAINT FK_Mitglied_Verein FOREIGN KEY (VereinNr) "
        "REFERENCES dbo.Verein"
        " (VereinNr) ON DELETE CASCADE");
    Run("ALTER TABLE dbo.Mitglied WITH NOCHECK ADD CONSTRAINT FK_Mitglied_Kuerzel FOREIGN KEY "
        "(Land, Kuerzel)"
        " REFERENCES dbo.Verein (Land, Kuerzel)");
  }

  std::vector<std::string> ColumnsOf(const std::string& view) {
    return connection_.Query("SELECT * FROM " + view).Columns();
  }
};

TEST_F(ConstraintViewTest, ViewsHaveTheServersColumnsInOrder) {
  const std::vector<std::string> object_columns = {
      "name",         "object_id",          "principal_id", "schema_id",   "parent_object_id",
      "type",         "type_desc",          "create_date",  "modify_date", "is_ms_shipped",
      "is_published", "is_schema_published"};
  auto with_object_columns = [&](std::vector<std::string> own) {
    std::vector<std::string> all = object_columns;
    all.insert(all.end(), own.begin(), own.end());
    return all;
  };
  const struct {
    const char* view;
    std::vector<std::string> columns;
  } cases[] = {
      {"INFORMATION_SCHEMA.TABLE_CONSTRAINTS",
       {"CONSTRAINT_CATALOG", "CONSTRAINT_SCHEMA", "CONSTRAINT_NAME", "TABLE_CATALOG",
        "TABLE_SCHEMA", "TABLE_NAME", "CONSTRAINT_TYPE", "IS_DEFERRABLE", "INITIALLY_DEFERRED"}},
      {"INFORMATION_SCHEMA.KEY_COLUMN_USAGE",
       {"CONSTRAINT_CATALOG", "CONSTRAINT_SCHEMA", "CONSTRAINT_NAME", "TABLE_CATALOG",
        "TABLE_SCHEMA", "TABLE_NAME", "COLUMN_NAME", "ORDINAL_POSITION"}},
      {"INFORMATION_SCHEMA.REFERENTIAL_CONSTRAINTS",
       {"CONSTRAINT_CATALOG", "CONSTRAINT_SCHEMA", "CONSTRAINT_NAME", "UNIQUE_CONSTRAINT_CATALOG",
        "UNIQUE_CONSTRAINT_SCHEMA", "UNIQUE_CONSTRAINT_NAME", "MATCH_OPTION", "UPDATE_RULE",
        "DELETE_RULE"}},
      {"sys.objects", object_columns},
      {"sys.foreign_keys",
       with_object_columns({"referenced_object_id", "key_index_id", "is_disabled",
                            "is_not_for_replication", "is_not_trusted", "delete_referential_action",
                            "delete_referential_action_desc", "update_referential_action",
                            "update_referential_action_desc", "is_system_named"})},
      {"sys.foreign_key_columns",
       {"constraint_object_id", "constraint_column_id", "parent_object_id", "parent_column_id",
        "referenced_object_id", "referenced_column_id"}},
      {"sys.default_constraints",
       with_object_columns({"parent_column_id", "definition", "is_system_named"})},
  };
  for (const auto& expected : cases)
    EXPECT_EQ(ColumnsOf(expected.view), expected.columns) << expected.view;
}

TEST_F(ConstraintViewTest, ColumnTypesAreTheServers) {
  const Database& database = *server_.FindDatabase("QUELOR_A");
  const struct {
    const char* schema;
    const char* view;
    const char* column;
    TypeKind kind;
    int length;
  } cases[] = {
      {"INFORMATION_SCHEMA", "TABLE_CONSTRAINTS", "CONSTRAINT_NAME", TypeKind::kNVarChar, 128},
      {"INFORMATION_SCHEMA", "TABLE_CONSTRAINTS", "CONSTRAINT_TYPE", TypeKind::kVarChar, 11},
      {"INFORMATION_SCHEMA", "TABLE_CONSTRAINTS", "IS_DEFERRABLE", TypeKind::kVarChar, 2},
      {"INFORMATION_SCHEMA", "KEY_COLUMN_USAGE", "ORDINAL_POSITION", TypeKind::kInt, 0},
      {"INFORMATION_SCHEMA", "REFERENTIAL_CONSTRAINTS", "MATCH_OPTION", TypeKind::kVarChar, 7},
      {"INFORMATION_SCHEMA", "REFERENTIAL_CONSTRAINTS", "DELETE_RULE", TypeKind::kVarChar, 11},
      {"sys", "foreign_keys", "type", TypeKind::kChar, 2},
      {"sys", "foreign_keys", "type_desc", TypeKind::kNVarChar, 60},
      {"sys", "foreign_keys", "delete_referential_action", TypeKind::kTinyInt, 0},
      {"sys", "foreign_keys", "is_not_trusted", TypeKind::kBit, 0},
      {"sys", "default_constraints", "definition", TypeKind::kNVarChar, -1},
  };
  for (const auto& expected : cases) {
    std::optional<Relation> view = SystemView(database, expected.schema, expected.view, "v");
    ASSERT_TRUE(view.has_value()) << expected.view;
    bool found = false;
    for (const BoundColumn& column : view->columns) {
      if (column.name != expected.column) continue;
      found = true;
      EXPECT_EQ(column.type.kind, expected.kind) << expected.view << "." << expected.column;
      if (expected.length != 0) {
        EXPECT_EQ(column.type.length, expected.length) << expected.view << "." << expected.column;
      }
    }
    EXPECT_TRUE(found) << expected.view << "." << expected.column;
  }
}

TEST_F(ConstraintViewTest, TableConstraintsListKeysButNoDefaults) {
  EXPECT_EQ(
      Rows("SELECT CONSTRAINT_CATALOG, CONSTRAINT_SCHEMA, CONSTRAINT_NAME, TABLE_CATALOG, "
           "TABLE_SCHEMA, "
           "TABLE_NAME, CONSTRAINT_TYPE, IS_DEFERRABLE, INITIALLY_DEFERRED "
           "FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS ORDER BY CONSTRAINT_NAME"),
      (TextTable{
          {"QUELOR_A", "dbo", "FK_Mitglied_Kuerzel", "QUELOR_A", "dbo", "Mitglied", "FOREIGN KEY",
           "NO", "NO"},
          {"QUELOR_A", "dbo", "FK_Mitglied_Verein", "QUELOR_A", "dbo", "Mitglied", "FOREIGN KEY",
           "NO", "NO"},
          {"QUELOR_A", "dbo", "PK_Verein", "QUELOR_A", "dbo", "Verein", "PRIMARY KEY", "NO", "NO"},
          {"QUELOR_A", "dbo", "UQ_Verein_Kuerzel", "QUELOR_A", "dbo", "Verein", "UNIQUE", "NO",
           "NO"},
      }));
}

TEST_F(ConstraintViewTest, KeyColumnUsageNumbersTheColumnsOfEachKey) {
  EXPECT_EQ(
      Rows("SELECT CONSTRAINT_NAME, TABLE_NAME, COLUMN_NAME, ORDINAL_POSITION, CONSTRAINT_CATALOG, "
           "TABLE_SCHEMA "
           "FROM INFORMATION_SCHEMA.KEY_COLUMN_USAGE ORDER BY CONSTRAINT_NAME, ORDINAL_POSITION"),
      (TextTable{
          {"FK_Mitglied_Kuerzel", "Mitglied", "Land", "1", "QUELOR_A", "dbo"},
          {"FK_Mitglied_Kuerzel", "Mitglied", "Kuerzel", "2", "QUELOR_A", "dbo"},
          {"FK_Mitglied_Verein", "Mitglied", "VereinNr", "1", "QUELOR_A", "dbo"},
          {"PK_Verein", "Verein", "VereinNr", "1", "QUELOR_A", "dbo"},
          {"UQ_Verein_Kuerzel", "Verein", "Land", "1", "QUELOR_A", "dbo"},
          {"UQ_Verein_Kuerzel", "Verein", "Kuerzel", "2", "QUELOR_A", "dbo"},
      }));
}

TEST_F(ConstraintViewTest, ReferentialConstraintsNameTheReferencedKeyAndTheRules) {
  EXPECT_EQ(
      Rows("SELECT CONSTRAINT_NAME, UNIQUE_CONSTRAINT_CATALOG, UNIQUE_CONSTRAINT_SCHEMA, "
           "UNIQUE_CONSTRAINT_NAME, "
           "MATCH_OPTION, UPDATE_RULE, DELETE_RULE FROM INFORMATION_SCHEMA.REFERENTIAL_CONSTRAINTS "
           "ORDER BY CONSTRAINT_NAME"),
      (TextTable{
          {"FK_Mitglied_Kuerzel", "QUELOR_A", "dbo", "UQ_Verein_Kuerzel", "SIMPLE", "NO ACTION",
           "NO ACTION"},
          {"FK_Mitglied_Verein", "QUELOR_A", "dbo", "PK_Verein", "SIMPLE", "NO ACTION", "CASCADE"},
      }));
}

TEST_F(ConstraintViewTest, ForeignKeyInspectionJoinPairsEachColumnWithTheColumnItReferences) {
  EXPECT_EQ(Rows("SELECT tc.TABLE_NAME, kcu.COLUMN_NAME, pk.TABLE_NAME AS RefTable, pk.COLUMN_NAME "
                 "AS RefColumn, "
                 "rc.DELETE_RULE\r\n"
                 "FROM INFORMATION_SCHEMA.TABLE_CONSTRAINTS tc\r\n"
                 "JOIN INFORMATION_SCHEMA.KEY_COLUMN_USAGE kcu ON kcu.CONSTRAINT_NAME = "
                 "tc.CONSTRAINT_NAME\r\n"
                 " AND kcu.TABLE_NAME = tc.TABLE_NAME\r\n"
                 "JOIN INFORMATION_SCHEMA.REFERENTIAL_CONSTRAINTS rc ON rc.CONSTRAINT_NAME = "
                 "tc.CONSTRAINT_NAME\r\n"
                 "JOIN INFORMATION_SCHEMA.KEY_COLUMN_USAGE pk ON pk.CONSTRAINT_NAME = "
                 "rc.UNIQUE_CONSTRAINT_NAME\r\n"
                 " AND pk.ORDINAL_POSITION = kcu.ORDINAL_POSITION\r\n"
                 "WHERE tc.CONSTRAINT_TYPE='FOREIGN KEY'\r\n"
                 "ORDER BY tc.CONSTRAINT_NAME, kcu.ORDINAL_POSITION"),
            (TextTable{
                {"Mitglied", "Land", "Verein", "Land", "NO ACTION"},
                {"Mitglied", "Kuerzel", "Verein", "Kuerzel", "NO ACTION"},
                {"Mitglied", "VereinNr", "Verein", "VereinNr", "CASCADE"},
            }));
}

TEST_F(ConstraintViewTest, ForeignKeysJoinWithObjectsAndIndexesById) {
  EXPECT_EQ(
      Rows("SELECT fk.name, parent.name, ref.name, i.name, fk.type, fk.type_desc, fk.schema_id, "
           "fk.principal_id, "
           "fk.is_disabled, fk.is_not_trusted, fk.delete_referential_action, "
           "fk.delete_referential_action_desc, "
           "fk.update_referential_action, fk.update_referential_action_desc, fk.is_system_named\r\n"
           "FROM sys.foreign_keys fk\r\n"
           "JOIN sys.objects parent ON parent.object_id = fk.parent_object_id\r\n"
           "JOIN sys.objects ref ON ref.object_id = fk.referenced_object_id\r\n"
           "JOIN sys.indexes i ON i.object_id = fk.referenced_object_id AND i.index_id = "
           "fk.key_index_id\r\n"
           "ORDER BY fk.name"),
      (TextTable{
          {"FK_Mitglied_Kuerzel", "Mitglied", "Verein", "UQ_Verein_Kuerzel", "F ",
           "FOREIGN_KEY_CONSTRAINT", "1", "NULL", "0", "1", "0", "NO_ACTION", "0", "NO_ACTION",
           "0"},
          {"FK_Mitglied_Verein", "Mitglied", "Verein", "PK_Verein", "F ", "FOREIGN_KEY_CONSTRAINT",
           "1", "NULL", "0", "0", "1", "CASCADE", "0", "NO_ACTION", "0"},
      }));
  // The key's own object: the same id, name and type in sys.objects and sysobjects.
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sys.foreign_keys fk JOIN sys.objects o ON o.object_id = "
                   "fk.object_id "
                   "AND o.name = fk.name AND o.type = fk.type AND o.type_desc = fk.type_desc"),
            "2");
  EXPECT_EQ(
      Scalar("SELECT COUNT(*) FROM sys.foreign_keys fk JOIN sysobjects so ON so.id = fk.object_id "
             "AND so.parent_obj = fk.parent_object_id AND so.xtype = fk.type"),
      "2");
  EXPECT_EQ(
      Scalar("SELECT name FROM sys.foreign_keys WHERE object_id = OBJECT_ID('FK_Mitglied_Verein')"),
      "FK_Mitglied_Verein");
}

TEST_F(ConstraintViewTest, ForeignKeyColumnsPointAtColumnIdsOnBothSides) {
  EXPECT_EQ(
      Rows("SELECT OBJECT_NAME(fkc.constraint_object_id), fkc.constraint_column_id, pc.name, "
           "rc.name, "
           "fkc.parent_column_id, fkc.referenced_column_id\r\n"
           "FROM sys.foreign_key_columns fkc\r\n"
           "JOIN sys.columns pc ON pc.object_id = fkc.parent_object_id AND pc.column_id = "
           "fkc.parent_column_id\r\n"
           "JOIN sys.columns rc ON rc.object_id = fkc.referenced_object_id AND rc.column_id = "
           "fkc.referenced_column_id\r\n"
           "ORDER BY 1, 2"),
      (TextTable{
          {"FK_Mitglied_Kuerzel", "1", "Land", "Land", "3", "2"},
          {"FK_Mitglied_Kuerzel", "2", "Kuerzel", "Kuerzel", "4", "3"},
          {"FK_Mitglied_Verein", "1", "VereinNr", "VereinNr", "2", "1"},
      }));
}

TEST_F(ConstraintViewTest, DefaultConstraintsNameTheirColumnAndDefinition) {
  EXPECT_EQ(Rows("SELECT OBJECT_NAME(d.parent_object_id), c.name, d.definition, d.is_system_named, "
                 "d.type, "
                 "d.type_desc, CASE WHEN d.name LIKE 'DF[_][_]Mitglied[_][_]%' THEN 'generated' "
                 "ELSE d.name END\r\n"
                 "FROM sys.default_constraints d\r\n"
                 "JOIN sys.columns c ON c.object_id = d.parent_object_id AND c.column_id = "
                 "d.parent_column_id\r\n"
                 "ORDER BY 1"),
            (TextTable{
                {"Mitglied", "Status", "((0))", "1", "D ", "DEFAULT_CONSTRAINT", "generated"},
                {"Verein", "Land", "('DE')", "0", "D ", "DEFAULT_CONSTRAINT", "DF_Verein_Land"},
            }));
  // syscolumns.cdefault holds the default's object id.
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sys.default_constraints d JOIN syscolumns sc ON "
                   "sc.cdefault = d.object_id "
                   "AND sc.id = d.parent_object_id AND sc.colid = d.parent_column_id"),
            "2");
}

TEST_F(ConstraintViewTest, NamesTheServerMadeUpAreSystemNamed) {
  Run("CREATE TABLE dbo.Beitrag (MitgliedNr int NOT NULL, VereinNr int NOT NULL FOREIGN KEY "
      "REFERENCES dbo.Verein)");
  EXPECT_EQ(Rows("SELECT OBJECT_NAME(parent_object_id), is_system_named FROM sys.foreign_keys "
                 "ORDER BY 1, 2"),
            (TextTable{{"Beitrag", "1"}, {"Mitglied", "0"}, {"Mitglied", "0"}}));
  const struct {
    const char* name;
    bool system_named;
  } cases[] = {
      {"PK__Adresse__1A2B3C4D5E6F7A8B", true},  {"DF__Adresse__Kz__5E6F7A8B", true},
      {"FK__AdrFunkti__AdrNr__3B75D760", true}, {"PK_Adresse", false},
      {"DF__Adresse__Kz__Standard", false},     {"FK__Adresse__3b75d760", false},
      {"IX__Adresse__3B75D760", false},         {"PK__3B75D760", false},
  };
  for (const auto& expected : cases)
    EXPECT_EQ(views::IsSystemNamed(expected.name), expected.system_named) << expected.name;
}

TEST_F(ConstraintViewTest, DroppedConstraintsLeaveTheViews) {
  Run("ALTER TABLE dbo.Mitglied DROP CONSTRAINT FK_Mitglied_Kuerzel");
  EXPECT_EQ(Rows("SELECT CONSTRAINT_NAME FROM INFORMATION_SCHEMA.REFERENTIAL_CONSTRAINTS"),
            (TextTable{{"FK_Mitglied_Verein"}}));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sys.foreign_key_columns"), "1");
  EXPECT_EQ(
      Scalar(
          "SELECT COUNT(*) FROM INFORMATION_SCHEMA.KEY_COLUMN_USAGE WHERE TABLE_NAME = 'Mitglied'"),
      "1");
  Run("ALTER TABLE dbo.Verein DROP CONSTRAINT DF_Verein_Land");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sys.default_constraints"), "1");
}

TEST_F(ConstraintViewTest, ViewsOfAnotherDatabaseAreReachedByThreePartName) {
  server_.CreateDatabase("Quelor");
  Run("CREATE TABLE Quelor.dbo.Sparte (SparteNr int NOT NULL CONSTRAINT PK_Sparte PRIMARY KEY)");
  EXPECT_EQ(Rows("SELECT CONSTRAINT_CATALOG, TABLE_CATALOG, CONSTRAINT_NAME, CONSTRAINT_TYPE "
                 "FROM Quelor.INFORMATION_SCHEMA.TABLE_CONSTRAINTS"),
            (TextTable{{"Quelor", "Quelor", "PK_Sparte", "PRIMARY KEY"}}));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Quelor.INFORMATION_SCHEMA.KEY_COLUMN_USAGE"), "1");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Quelor.sys.foreign_keys"), "0");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM QUELOR_A.sys.foreign_keys"), "2");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Quelor.sys.default_constraints"), "0");
}

TEST_F(ConstraintViewTest, SysTablesStillListsTablesAlone) {
  EXPECT_EQ(Rows("SELECT name, type, type_desc FROM sys.tables ORDER BY name"),
            (TextTable{{"Mitglied", "U ", "USER_TABLE"}, {"Verein", "U ", "USER_TABLE"}}));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sys.objects WHERE parent_object_id = OBJECT_ID('Verein')"),
            "3");
}

}  // namespace
}  // namespace quelor::sim::testing
