// Each refusal of the simulated server with the real server's number and
// text, filled in as the real server fills it.
#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

class RefusalTest : public SimTest {
 protected:
  RefusalTest() {
    Run("CREATE TABLE dbo.Adresse (AdrNr int NOT NULL, Name varchar(5) NULL, Nr int NULL,"
        " CONSTRAINT PK_Adresse PRIMARY KEY CLUSTERED (AdrNr))");
    Run("INSERT INTO Adresse (AdrNr, Name, Nr) VALUES (1, 'Meier', 1), (2, 'Kurz', NULL)");
    Run("CREATE TABLE dbo.AdrFunktion (AdrNr int NOT NULL, Funktion varchar(80) NOT NULL)");
    Run("ALTER TABLE dbo.AdrFunktion WITH CHECK ADD CONSTRAINT FK_AdrFunktion_Adresse FOREIGN KEY (AdrNr) "
        "REFERENCES dbo.Adresse (AdrNr)");
    Run("INSERT INTO AdrFunktion VALUES (1, 'Kassenwart')");
    Run("CREATE TABLE dbo.Leer (Nr int NULL)");
    Run("CREATE TABLE dbo.Zaehler (ID int IDENTITY(1,1) NOT NULL, Text varchar(10) NULL)");
    Run("CREATE NONCLUSTERED INDEX iName ON Adresse (Name)");
  }
};

struct Refusal {
  const char* statement;
  int number;
  const char* text;
};

TEST_F(RefusalTest, EachRefusalCarriesTheServersNumberAndText) {
  const Refusal cases[] = {
      {"SELECT * FROM dbo.Fehlt", 208, "Invalid object name 'dbo.Fehlt'."},
      {"ALTER TABLE dbo.Fehlt ALTER COLUMN SPORTART varchar(120) Null", 4902,
       "Cannot find the object \"dbo.Fehlt\" because it does not exist or you do not have permissions."},
      {"SELECT Fehlt FROM Adresse", 207, "Invalid column name 'Fehlt'."},
      {"SELECT X.Name FROM Adresse A", 4104, "The multi-part identifier \"X.Name\" could not be bound."},
      {"SELECT AdrNr FROM Adresse, AdrFunktion", 209, "Ambiguous column name 'AdrNr'."},
      {"CREATE TABLE Adresse (A int)", 2714, "There is already an object named 'Adresse' in the database."},
      {"INSERT INTO Adresse (AdrNr) VALUES (1)", 2627,
       "Violation of PRIMARY KEY constraint 'PK_Adresse'. Cannot insert duplicate key in object 'dbo.Adresse'. "
       "The duplicate key value is (1)."},
      {"INSERT INTO Adresse (AdrNr, Name) VALUES (3, 'Schulze')", 2628,
       "String or binary data would be truncated in table 'QUELOR_A.dbo.Adresse', column 'Name'. "
       "Truncated value: 'Schul'."},
      {"INSERT INTO Adresse (AdrNr) VALUES ('abc')", 245,
       "Conversion failed when converting the varchar value 'abc' to data type int."},
      {"INSERT INTO Adresse (AdrNr) VALUES (NULL)", 515,
       "Cannot insert the value NULL into column 'AdrNr', table 'QUELOR_A.dbo.Adresse'; column does not allow nulls. "
       "INSERT fails."},
      {"UPDATE Adresse SET AdrNr = NULL", 515,
       "Cannot insert the value NULL into column 'AdrNr', table 'QUELOR_A.dbo.Adresse'; column does not allow nulls. "
       "UPDATE fails."},
      {"ALTER TABLE dbo.Adresse ADD Pflicht int NOT NULL", 4901,
       "ALTER TABLE only allows columns to be added that can contain nulls, or have a DEFAULT definition specified, "
       "or the column being added is an identity or timestamp column, or alternatively if none of the previous "
       "conditions are satisfied the table must be empty to allow addition of this column. Column 'Pflicht' cannot "
       "be added to non-empty table 'Adresse' because it does not satisfy these conditions."},
      {"ALTER TABLE dbo.Leer ADD CONSTRAINT PK_Leer PRIMARY KEY (Nr)", 8111,
       "Cannot define PRIMARY KEY constraint on nullable column in table 'Leer'."},
      {"ALTER TABLE dbo.Adresse ALTER COLUMN AdrNr bigint NOT NULL", 5074,
       "The object 'PK_Adresse' is dependent on column 'AdrNr'."},
      {"ALTER TABLE dbo.Adresse DROP COLUMN Name", 5074, "The index 'iName' is dependent on column 'Name'."},
      {"INSERT INTO AdrFunktion VALUES (9, 'Beisitzer')", 547,
       "The INSERT statement conflicted with the FOREIGN KEY constraint \"FK_AdrFunktion_Adresse\". The conflict "
       "occurred in database \"QUELOR_A\", table \"dbo.Adresse\", column 'AdrNr'."},
      {"DELETE FROM Adresse WHERE AdrNr = 1", 547,
       "The DELETE statement conflicted with the REFERENCE constraint \"FK_AdrFunktion_Adresse\". The conflict "
       "occurred in database \"QUELOR_A\", table \"dbo.AdrFunktion\", column 'AdrNr'."},
      {"INSERT INTO Zaehler (ID, Text) VALUES (5, 'x')", 544,
       "Cannot insert explicit value for identity column in table 'Zaehler' when IDENTITY_INSERT is set to OFF."},
      {"UPDATE Zaehler SET ID = 3", 8102, "Cannot update identity column 'ID'."},
      {"ALTER TABLE Adresse DROP CONSTRAINT PK_Fehlt", 3728, "'PK_Fehlt' is not a constraint."},
      {"DROP TABLE Fehlt", 3701, "Cannot drop the table 'Fehlt', because it does not exist or you do not have permission."},
      {"DROP FUNCTION dbo.fFehlt", 3701,
       "Cannot drop the function 'dbo.fFehlt', because it does not exist or you do not have permission."},
      {"GRANT EXECUTE ON dbo.fFehlt TO Public", 15151,
       "Cannot find the object 'fFehlt', because it does not exist or you do not have permission."},
      {"DROP TABLE Adresse", 3726, "Could not drop object 'dbo.Adresse' because it is referenced by a FOREIGN KEY constraint."},
      {"CREATE INDEX iName ON Adresse (Nr)", 1913,
       "The operation failed because an index or statistics with name 'iName' already exists on table 'dbo.Adresse'."},
      {"CREATE INDEX iNeu ON Adresse (Fehlt)", 1911, "Column name 'Fehlt' does not exist in the target table or view."},
      {"ALTER TABLE Adresse ALTER COLUMN Fehlt int", 4924,
       "ALTER TABLE ALTER COLUMN failed because column 'Fehlt' does not exist in table 'Adresse'."},
      {"ALTER TABLE Adresse ADD Name int", 2705,
       "Column names in each table must be unique. Column name 'Name' in table 'Adresse' is specified more than once."},
      {"SELECT 1/0", 8134, "Divide by zero error encountered."},
      {"SELECT CASE WHEN 1 = 2 THEN 1 ELSE 'a' END", 245,
       "Conversion failed when converting the varchar value 'a' to data type int."},
      {"SELECT 99999999999999999999999999999999999999 * 10", 8115,
       "Arithmetic overflow error converting expression to data type numeric."},
      {"SELECT 999999999999999999999999999999999999999", 1007,
       "The number '999999999999999999999999999999999999999' is out of the range for numeric representation (maximum "
       "precision 38)."},
      {"CREATE TABLE Breit (T varchar(9000) NULL)", 131,
       "The size (9000) given to the type 'varchar' exceeds the maximum allowed for any data type (8000)."},
      {"UPDATE Adresse SET Nr = (SELECT AdrNr FROM Adresse)", 512,
       "Subquery returned more than 1 value. This is not permitted when the subquery follows =, !=, <, <= , >, >= or "
       "when the subquery is used as an expression."},
      {"INSERT INTO Leer VALUES (1, 2)", 213, "Column name or number of supplied values does not match table definition."},
      {"SELECT * FROM Adresse WHERE AdrNr = = 1", 102, "Incorrect syntax near '='."},
      {"SELECT * FROM", 156, "Incorrect syntax near the keyword 'FROM'."},
      {"SELECT 'offen", 105, "Unclosed quotation mark after the character string 'offen'."},
      // The whole batch is read before the first refusal: an unclosed literal
      // after a syntax error is what the server reports.
      {"SELECT * FROM Adresse WHERE AdrNr = = 1 SELECT 'offen", 105,
       "Unclosed quotation mark after the character string 'offen'."},
      {"SELECT * FROM Nirgends.dbo.Adresse", 911,
       "Database 'Nirgends' does not exist. Make sure that the name is entered correctly."},
  };
  for (const Refusal& refusal : cases) {
    EXPECT_EQ(ErrorOf(refusal.statement), refusal.text) << refusal.statement;
    EXPECT_EQ(NumberOf(refusal.statement), refusal.number) << refusal.statement;
  }
}

TEST_F(RefusalTest, GrantsOnExistingObjectsAreAcceptedWithoutEffect) {
  Run("CREATE FUNCTION dbo.fJahr (@Year INT) RETURNS TABLE AS RETURN (SELECT @Year AS Jahr)");
  for (const char* grant : {"GRANT EXECUTE ON dbo.fJahr TO Public", "GRANT SELECT ON OBJECT::dbo.fJahr TO public",
                            "GRANT SELECT, INSERT ON Adresse TO public WITH GRANT OPTION",
                            "REVOKE SELECT ON dbo.Adresse FROM public", "DENY DELETE ON Adresse TO public",
                            "GRANT CREATE TABLE TO public"}) {
    EXPECT_EQ(ErrorOf(grant), "(no error)") << grant;
  }
  EXPECT_EQ(NumberOf("REVOKE SELECT ON dbo.Fehlt FROM public"), 15151);
}

TEST_F(RefusalTest, ARefusedStatementChangesNothing) {
  EXPECT_EQ(NumberOf("INSERT INTO Adresse (AdrNr) VALUES (7), (8), (1)"), 2627);
  EXPECT_EQ(NumberOf("UPDATE Adresse SET Name = 'zu lang' WHERE AdrNr = 2"), 2628);
  EXPECT_EQ(NumberOf("ALTER TABLE dbo.Adresse ALTER COLUMN Name varchar(3) NULL"), 5074);
  EXPECT_EQ(Rows("SELECT AdrNr, Name FROM Adresse ORDER BY AdrNr"),
            (std::vector<std::vector<std::string>>{{"1", "Meier"}, {"2", "Kurz"}}));
}

TEST_F(RefusalTest, KeyAndColumnRefusalsAreFollowedByTheirSecondMessage) {
  struct Pair {
    const char* statement;
    int first;
    int second;
    const char* second_text;
  };
  const Pair cases[] = {
      {"ALTER TABLE dbo.Leer ADD CONSTRAINT PK_Leer PRIMARY KEY (Nr)", 8111, 1750,
       "Could not create constraint or index. See previous errors."},
      {"ALTER TABLE dbo.Adresse ALTER COLUMN AdrNr bigint NOT NULL", 5074, 4922,
       "ALTER TABLE ALTER COLUMN AdrNr failed because one or more objects access this column."},
      {"ALTER TABLE Adresse DROP CONSTRAINT PK_Fehlt", 3728, 3727, "Could not drop constraint. See previous errors."},
      {"ALTER TABLE Adresse ADD CONSTRAINT PK_Zwei PRIMARY KEY (AdrNr)", 1779, 1750,
       "Could not create constraint or index. See previous errors."},
  };
  for (const Pair& pair : cases) {
    EXPECT_EQ(NumberOf(pair.statement), pair.first) << pair.statement;
    const auto& messages = connection_.LastMessages();
    ASSERT_GE(messages.size(), 2u) << pair.statement;
    EXPECT_EQ(messages.back().number, pair.second) << pair.statement;
    EXPECT_EQ(messages.back().text, pair.second_text) << pair.statement;
  }
}

TEST_F(RefusalTest, KeysAndUniqueIndexesAForeignKeyNeedsCannotBeDropped) {
  Run("CREATE TABLE Bank (BLZ varchar(8) NOT NULL, BIC varchar(11) NOT NULL, Nr int NOT NULL, Land "
      "char(2) NOT NULL,"
      " CONSTRAINT UQ_Bank_BLZ UNIQUE (BLZ), CONSTRAINT UQ_Bank_Frei UNIQUE (Nr),"
      " CONSTRAINT PK_Bank PRIMARY KEY (Land, Nr))");
  Run("CREATE UNIQUE INDEX iBank_BIC ON Bank (BIC)");
  Run("CREATE UNIQUE INDEX iBank_NrBIC ON Bank (BIC, Nr)");
  Run("CREATE TABLE Konto (BLZ varchar(8) NULL, BIC varchar(11) NULL, Nr int NULL)");
  Run("ALTER TABLE Konto ADD CONSTRAINT FK_Konto_BLZ FOREIGN KEY (BLZ) REFERENCES Bank (BLZ)");
  Run("ALTER TABLE Konto ADD CONSTRAINT FK_Konto_BIC FOREIGN KEY (BIC) REFERENCES Bank (BIC)");
  Run("ALTER TABLE Konto ADD CONSTRAINT FK_Konto_NrBIC FOREIGN KEY (Nr, BIC) REFERENCES Bank (Nr, "
      "BIC)");
  struct Case {
    const char* statement;
    int number;
    const char* text;
  };
  const Case cases[] = {
      {"ALTER TABLE Bank DROP CONSTRAINT UQ_Bank_BLZ", 3725,
       "The constraint 'UQ_Bank_BLZ' is being referenced by table 'Konto', foreign key constraint "
       "'FK_Konto_BLZ'."},
      // The free key is dropped first and must come back with the refusal.
      {"ALTER TABLE Bank DROP CONSTRAINT UQ_Bank_Frei, UQ_Bank_BLZ", 3725,
       "The constraint 'UQ_Bank_BLZ' is being referenced by table 'Konto', foreign key constraint "
       "'FK_Konto_BLZ'."},
      {"ALTER TABLE Adresse DROP CONSTRAINT PK_Adresse", 3725,
       "The constraint 'PK_Adresse' is being referenced by table 'AdrFunktion', foreign key "
       "constraint "
       "'FK_AdrFunktion_Adresse'."},
      {"DROP INDEX iBank_BIC ON Bank", 3725,
       "The constraint 'iBank_BIC' is being referenced by table 'Konto', foreign key constraint "
       "'FK_Konto_BIC'."},
      {"DROP INDEX Bank.iBank_NrBIC", 3725,
       "The constraint 'iBank_NrBIC' is being referenced by table 'Konto', foreign key constraint "
       "'FK_Konto_NrBIC'."},
      {"DROP INDEX UQ_Bank_BLZ ON Bank", 3723,
       "An explicit DROP INDEX is not allowed on index 'Bank.UQ_Bank_BLZ'. It is being used for "
       "UNIQUE KEY "
       "constraint enforcement."},
      {"DROP INDEX Bank.PK_Bank", 3723,
       "An explicit DROP INDEX is not allowed on index 'Bank.PK_Bank'. It is being used for "
       "PRIMARY KEY "
       "constraint enforcement."},
  };
  for (const Case& refused : cases) {
    EXPECT_EQ(ErrorOf(refused.statement), refused.text) << refused.statement;
    EXPECT_EQ(NumberOf(refused.statement), refused.number) << refused.statement;
  }
  EXPECT_EQ(NumberOf("ALTER TABLE Bank DROP CONSTRAINT UQ_Bank_BLZ"), 3725);
  EXPECT_EQ(connection_.LastMessages().back().number, 3727);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sysobjects WHERE name IN ('UQ_Bank_BLZ', 'UQ_Bank_Frei')"),
            "2");
  // A primary key on (Land, Nr) is not the key of (Nr, BIC); without their
  // foreign keys the keys and indexes go.
  Run("ALTER TABLE Bank DROP CONSTRAINT PK_Bank, UQ_Bank_Frei");
  Run("ALTER TABLE Konto DROP CONSTRAINT FK_Konto_BLZ, FK_Konto_BIC, FK_Konto_NrBIC");
  Run("ALTER TABLE Bank DROP CONSTRAINT UQ_Bank_BLZ");
  Run("DROP INDEX iBank_BIC ON Bank");
  Run("DROP INDEX Bank.iBank_NrBIC");
}

TEST_F(RefusalTest, AnsiWarningsOffCutsTooLongTextSilently) {
  Run("SET ANSI_WARNINGS OFF ");
  Run("INSERT INTO Adresse (AdrNr, Name) VALUES (3, 'Schulze')");
  Run("SET ANSI_WARNINGS ON ");
  EXPECT_EQ(Scalar("SELECT Name FROM Adresse WHERE AdrNr = 3"), "Schul");
  EXPECT_EQ(NumberOf("INSERT INTO Adresse (AdrNr, Name) VALUES (4, 'Schulze')"), 2628);
}

TEST_F(RefusalTest, KeyOnAColumnDeclaredNullIsRefusedAfterATrailingComma) {
  Run("CREATE TABLE dbo.Versandart (\r\n[Kennung] [varchar](80) NULL,\r\n) ON [PRIMARY]");
  EXPECT_EQ(ErrorOf("ALTER TABLE [dbo].[Versandart]  ADD CONSTRAINT [PK_Versandart] PRIMARY KEY CLUSTERED (\r\n"
                    "[Kennung] ASC\r\n) ON [PRIMARY]"),
            "Cannot define PRIMARY KEY constraint on nullable column in table 'Versandart'.");
  EXPECT_TRUE(Rows("SELECT * FROM sysobjects WHERE NAME='PK_Versandart'").empty());
}

TEST_F(RefusalTest, EveryDependentObjectIsNamedBeforeTheColumnRefusal) {
  EXPECT_EQ(NumberOf("ALTER TABLE dbo.Adresse ALTER COLUMN AdrNr bigint NOT NULL"), 5074);
  std::vector<std::string> texts;
  for (const Message& message : connection_.LastMessages()) texts.push_back(message.text);
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "The object 'PK_Adresse' is dependent on column 'AdrNr'.",
                       "The object 'FK_AdrFunktion_Adresse' is dependent on column 'AdrNr'.",
                       "ALTER TABLE ALTER COLUMN AdrNr failed because one or more objects access this column."}));
}

TEST_F(RefusalTest, WidthAndNullabilityOfPlainColumnsCanChange) {
  Run("ALTER TABLE dbo.Adresse ALTER COLUMN Nr bigint NULL");
  Run("ALTER TABLE dbo.Adresse ALTER COLUMN Name varchar(50) NULL");  // widening past a plain index is allowed
  EXPECT_EQ(Scalar("SELECT CHARACTER_MAXIMUM_LENGTH FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME='Adresse' "
                   "AND COLUMN_NAME='Name'"),
            "50");
  EXPECT_EQ(ErrorOf("ALTER TABLE dbo.Adresse ALTER COLUMN Nr int NOT NULL"),
            "Cannot insert the value NULL into column 'Nr', table 'QUELOR_A.dbo.Adresse'; column does not allow nulls. "
            "UPDATE fails.");
}

}  // namespace
}  // namespace quelor::sim::testing
