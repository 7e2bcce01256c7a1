// The catalogue probes of the update tool, sent in their exact texts, answer
// from the model: columns, tables, indexes, key constraints, functions.
#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

class CatalogViewTest : public SimTest {
 protected:
  CatalogViewTest() {
    Run("CREATE TABLE dbo.Adresse (AdrNr integer NOT NULL, IBAN1 varchar (40) Null, Notiz text NULL,"
        " Memo varchar(max) NULL, Etat numeric (18,8) Null, Kz char(1) NOT NULL DEFAULT 'J', Anzahl smallint NULL)");
    Run("ALTER TABLE [dbo].[Adresse]  ADD\r\nCONSTRAINT [PK_Adresse] PRIMARY KEY CLUSTERED\r\n([AdrNr]) ON [PRIMARY]");
    Run("CREATE TABLE dbo.F5BEW4 (BUCHJAHR int NULL, InterneNr int NULL, SUCHTEXT varchar(60) NULL)");
    Run("CREATE NONCLUSTERED INDEX iSuchText ON F5BEW4 (BUCHJAHR, InterneNr, SUCHTEXT)");
    Run("CREATE TABLE dbo.F5DAT (STEUERSCHL numeric(4,2) NOT NULL, LfdNr int NOT NULL, Klasse varchar(1) NULL)");
    Run("ALTER TABLE [dbo].[F5DAT] WITH NOCHECK ADD  CONSTRAINT [PK_F5DAT] PRIMARY KEY  CLUSTERED "
        "([STEUERSCHL],[LfdNr])  ON [PRIMARY] ");
  }
};

TEST_F(CatalogViewTest, ColumnProbeFindsAColumnOfTheCurrentDatabaseOnly) {
  const std::string probe =
      "SELECT * FROM Information_Schema.Columns WHERE Table_Catalog='QUELOR_A' AND Table_Schema='dbo' AND "
      "Table_Name='Adresse' AND Column_Name='IBAN1'";
  db::ResultSet result = connection_.Query(probe);
  ASSERT_EQ(result.RecordCount(), 1u);
  EXPECT_EQ(result.AsText(0, "CHARACTER_MAXIMUM_LENGTH"), "40");
  EXPECT_EQ(result.AsText(0, "DATA_TYPE"), "varchar");
  EXPECT_EQ(result.AsText(0, "IS_NULLABLE"), "YES");
  EXPECT_EQ(result.AsText(0, "ORDINAL_POSITION"), "2");
  EXPECT_TRUE(Rows("SELECT * FROM Information_Schema.Columns WHERE Table_Catalog='QUELOR_B' AND "
                   "Table_Schema='dbo' AND Table_Name='Adresse' AND Column_Name='IBAN1'")
                  .empty());
  EXPECT_TRUE(Rows("SELECT * FROM Information_Schema.Columns WHERE Table_Catalog='QUELOR_A' AND "
                   "Table_Schema='dbo' AND Table_Name='Adresse' AND Column_Name='IBAN9'")
                  .empty());
}

TEST_F(CatalogViewTest, InformationSchemaColumnsDescribesEachType) {
  auto rows = Rows(
      "SELECT COLUMN_NAME, DATA_TYPE, CHARACTER_MAXIMUM_LENGTH, NUMERIC_PRECISION, NUMERIC_SCALE, IS_NULLABLE, "
      "COLUMN_DEFAULT FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = 'adresse' ORDER BY ORDINAL_POSITION");
  EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                      {"AdrNr", "int", "NULL", "10", "0", "NO", "NULL"},
                      {"IBAN1", "varchar", "40", "NULL", "NULL", "YES", "NULL"},
                      {"Notiz", "text", "2147483647", "NULL", "NULL", "YES", "NULL"},
                      {"Memo", "varchar", "-1", "NULL", "NULL", "YES", "NULL"},
                      {"Etat", "numeric", "NULL", "18", "8", "YES", "NULL"},
                      {"Kz", "char", "1", "NULL", "NULL", "NO", "('J')"},
                      {"Anzahl", "smallint", "NULL", "5", "0", "YES", "NULL"},
                  }));
}

TEST_F(CatalogViewTest, IndexProbeLooksForTheNameInTheWholeDatabase) {
  EXPECT_EQ(Rows("SELECT * FROM SysIndexes WHERE Name='iSuchText'").size(), 1u);
  EXPECT_EQ(Rows("SELECT * FROM SysIndexes WHERE Name='PK_F5DAT'").size(), 1u);
  EXPECT_TRUE(Rows("SELECT * FROM SysIndexes WHERE Name='iFehlt'").empty());
  EXPECT_EQ(Scalar("SELECT OBJECT_NAME(id) FROM SysIndexes WHERE Name='isuchtext'"), "F5BEW4");
}

TEST_F(CatalogViewTest, DroppedIndexLeavesTheCatalogue) {
  Run("DROP INDEX F5BEW4.iSuchText");
  EXPECT_TRUE(Rows("SELECT * FROM SysIndexes WHERE Name='iSuchText'").empty());
  Run("CREATE NONCLUSTERED INDEX iSuchText ON F5BEW4 (BUCHJAHR, InterneNr, SUCHTEXT)");
  Run("DROP INDEX iSuchText ON dbo.F5BEW4");
  EXPECT_EQ(ErrorOf("DROP INDEX F5BEW4.iSuchText"),
            "Cannot drop the index 'F5BEW4.iSuchText', because it does not exist or you do not have permission.");
  EXPECT_EQ(ErrorOf("DROP INDEX F5DAT.PK_F5DAT"),
            "An explicit DROP INDEX is not allowed on index 'F5DAT.PK_F5DAT'. It is being used for PRIMARY KEY "
            "constraint enforcement.");
}

TEST_F(CatalogViewTest, ObjectProbeFindsTablesAndConstraintsOfEveryKind) {
  Run("CREATE TABLE dbo.AdrFunktion (AdrNr int NOT NULL, Funktion varchar(80) NOT NULL)");
  Run("ALTER TABLE [dbo].[AdrFunktion]  WITH CHECK ADD  CONSTRAINT [FK_AdrFunktion_Adresse] FOREIGN KEY([AdrNr])\r\n"
      "REFERENCES [dbo].[Adresse] ([AdrNr])");
  Run("create function fnEins() returns int as begin return 1 end");
  struct Probe {
    const char* name;
    const char* xtype;
  };
  const Probe cases[] = {{"AdrFunktion", "U "}, {"PK_X", nullptr},       {"PK_Adresse", "PK"},
                         {"FK_AdrFunktion_Adresse", "F "}, {"fnEins", "FN"}};
  for (const Probe& probe : cases) {
    auto rows = Rows(std::string("SELECT xtype FROM sysobjects WHERE NAME='") + probe.name + "'");
    if (probe.xtype == nullptr) {
      EXPECT_TRUE(rows.empty()) << probe.name;
    } else {
      ASSERT_EQ(rows.size(), 1u) << probe.name;
      EXPECT_EQ(rows[0][0], probe.xtype) << probe.name;
    }
  }
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sysobjects WHERE xtype = 'D'"), "1");  // the default of Kz
  EXPECT_EQ(Scalar("SELECT OBJECT_NAME(parent_obj) FROM sysobjects WHERE name = 'PK_Adresse'"), "Adresse");
}

TEST_F(CatalogViewTest, PrimaryKeyProbeNamesTheKeyOfOneTable) {
  const std::string probe =
      " SELECT  distinct i.name AS IndexName\r\n"
      " FROM    sys.indexes AS i INNER JOIN\r\n"
      " sys.index_columns AS ic ON  i.OBJECT_ID = ic.OBJECT_ID\r\n"
      " AND i.index_id = ic.index_id\r\n"
      " WHERE   i.is_primary_key = 1\r\n"
      " and OBJECT_NAME(ic.OBJECT_ID)='F5DAT'\r\n";
  db::ResultSet result = connection_.Query(probe);
  ASSERT_EQ(result.RecordCount(), 1u);  // two key columns, one name: distinct
  EXPECT_EQ(result.AsText(0, "IndexName"), "PK_F5DAT");
  Run("ALTER TABLE dbo.F5DAT\r\n DROP CONSTRAINT PK_F5DAT\r\n");
  EXPECT_EQ(connection_.Query(probe).RecordCount(), 0u);
  std::string other = probe;
  other.replace(other.find("F5DAT"), 5, "F5BEW4");
  EXPECT_EQ(connection_.Query(other).RecordCount(), 0u);  // a plain index is no key
}

TEST_F(CatalogViewTest, SysColumnsJoinListsTaxKeyColumnsByName) {
  Run("CREATE TABLE dbo.F5Kont (KONTONR int NOT NULL, StSchlVorst numeric(4,2) NULL)");
  const std::string query =
      "SELECT tbl.name AS TableName, clmns.name AS FieldName, tps.name AS DataType, clmns.length As DataLength, "
      "clmns.isnullable\r\n"
      "FROM dbo.sysobjects AS tbl\r\n"
      "INNER JOIN syscolumns  AS clmns ON clmns.id=tbl.id\r\n"
      "LEFT OUTER JOIN systypes AS tps ON tps.xtype=clmns.xtype\r\n"
      "WHERE (UPPER(clmns.name))='STEUERSCHL' OR (UPPER(clmns.name) LIKE '%StSchl%' ) \r\n"
      "ORDER BY tbl.name,clmns.name ASC";
  EXPECT_EQ(Rows(query), (std::vector<std::vector<std::string>>{
                             {"F5DAT", "STEUERSCHL", "numeric", "5", "0"},
                             {"F5Kont", "StSchlVorst", "numeric", "5", "1"},
                         }));
}

TEST_F(CatalogViewTest, RoutineProbeFindsAFunctionByName) {
  Run("create function fnDays2NextBirthday(@birthdate datetime, @today datetime)\r\nreturns integer\r\nas\r\nbegin\r\n"
      "return 0\r\nend");
  const std::string probe =
      "SELECT * FROM Information_schema.Routines\nWHERE Specific_schema = 'dbo'\nAND specific_name = "
      "'fnDays2NextBirthday'\nAND Routine_Type = 'FUNCTION'\n";
  db::ResultSet result = connection_.Query(probe);
  ASSERT_EQ(result.RecordCount(), 1u);
  EXPECT_EQ(result.AsText(0, "DATA_TYPE"), "int");
  EXPECT_EQ(Scalar("SELECT TABLE_TYPE FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='F5DAT'"), "BASE TABLE");
}

TEST_F(CatalogViewTest, DatabaseListQueriesFilterByPrefix) {
  for (const char* name : {"Quelor", "QUELOR_B", "QUELORTMP1", "Fremd"}) server_.CreateDatabase(name);
  EXPECT_EQ(Rows("SELECT name FROM master.dbo.sysdatabases where UPPER(name) LIKE 'QUELOR%' AND "
                 "UPPER(SUBSTRING(name,7,3))<>'TMP'"),
            (std::vector<std::vector<std::string>>{{"QUELOR_A"}, {"Quelor"}, {"QUELOR_B"}}));
  EXPECT_EQ(Rows("SELECT name FROM master.dbo.sysdatabases where UPPER(name) LIKE 'QUELOR%'").size(), 4u);
}

TEST_F(CatalogViewTest, IndexViewsDescribeKeysAndIndexesColumnByColumn) {
  EXPECT_EQ(Rows("SELECT i.name, i.index_id, i.type, i.is_primary_key, i.is_unique, ic.key_ordinal, c.name "
                 "FROM sys.indexes i INNER JOIN sys.index_columns ic ON ic.object_id = i.object_id AND "
                 "ic.index_id = i.index_id INNER JOIN sys.columns c ON c.object_id = ic.object_id AND "
                 "c.column_id = ic.column_id WHERE OBJECT_NAME(i.object_id) IN ('F5DAT', 'F5BEW4') "
                 "ORDER BY i.name, ic.key_ordinal"),
            (std::vector<std::vector<std::string>>{
                {"iSuchText", "2", "2", "0", "0", "1", "BUCHJAHR"},
                {"iSuchText", "2", "2", "0", "0", "2", "InterneNr"},
                {"iSuchText", "2", "2", "0", "0", "3", "SUCHTEXT"},
                {"PK_F5DAT", "1", "1", "1", "1", "1", "STEUERSCHL"},
                {"PK_F5DAT", "1", "1", "1", "1", "2", "LfdNr"},
            }));
  EXPECT_EQ(Scalar("SELECT indid FROM SysIndexes WHERE id = OBJECT_ID('F5BEW4') AND name IS NULL"), "0");  // heap
}

TEST_F(CatalogViewTest, CatalogueOfAnotherDatabaseIsReachedByThreePartName) {
  server_.CreateDatabase("Quelor");
  Run("CREATE TABLE Quelor.dbo.GuVZeile (Nr int NULL)");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Quelor.dbo.sysobjects WHERE name = 'GuVZeile'"), "1");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sysobjects WHERE name = 'GuVZeile'"), "0");
  Run("CREATE TABLE GuVZeile (Nr int NULL)");
  Run("INSERT INTO Quelor.dbo.GuVZeile VALUES (1), (2)");
  Run("INSERT INTO GuVZeile VALUES (9)");
  Run("DELETE FROM QUELOR_A.dbo.GuVZeile\r\n");
  Run("INSERT INTO QUELOR_A.dbo.GuVZeile (Nr)\r\nSELECT Nr FROM Quelor.dbo.GuVZeile");
  EXPECT_EQ(Rows("SELECT Nr FROM GuVZeile ORDER BY Nr"), (std::vector<std::vector<std::string>>{{"1"}, {"2"}}));
  Run("USE Quelor");
  EXPECT_EQ(Scalar("SELECT DB_NAME()"), "Quelor");
}

}  // namespace
}  // namespace quelor::sim::testing
