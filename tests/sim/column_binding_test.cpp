// A column reference keeps the place it was found at across rows, statements
// and subquery calls; a schema change in between must move it, and a stored
// function's body keeps its places from one batch to the next. SELECT TOP 1
// as a scalar subquery stops at the first row that qualifies.
#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;

class ColumnBindingTest : public SimTest {};

TEST_F(ColumnBindingTest, AColumnAddedInALoopTakesOverTheNameFromTheOuterQuery) {
  Run("CREATE TABLE Verein (Nr int NULL, Name varchar(10) NULL)");
  Run("CREATE TABLE Abteilung (Nr int NULL, Kurz varchar(10) NULL)");
  Run("INSERT INTO Verein VALUES (1, 'aussen')");
  Run("INSERT INTO Abteilung VALUES (1, 'x')");
  // "Name" first names the outer table's column, then the inner one's.
  EXPECT_EQ(
      Scalar("DECLARE @i int = 0; DECLARE @seen varchar(100) = '';"
             "WHILE @i < 3 BEGIN"
             "  SELECT @seen = @seen + ISNULL((SELECT TOP 1 Name FROM Abteilung"
             "    WHERE Abteilung.Nr = Verein.Nr), '-') + ';' FROM Verein;"
             "  IF @i = 0 ALTER TABLE Abteilung ADD Name varchar(10) NOT NULL DEFAULT 'innen';"
             "  IF @i = 1 ALTER TABLE Abteilung DROP COLUMN Kurz;"
             "  SET @i = @i + 1 "
             "END;"
             "SELECT @seen"),
      "aussen;innen;innen;");
}

TEST_F(ColumnBindingTest, AStoredFunctionFindsItsColumnsAfterTheTableChanged) {
  Run("CREATE TABLE Beitrag (Id int NULL, Betrag int NULL, Notiz varchar(10) NULL)");
  Run("INSERT INTO Beitrag VALUES (1, 10, 'a')");
  Run("CREATE FUNCTION dbo.ErsterBetrag() RETURNS int AS BEGIN "
      "RETURN (SELECT TOP 1 Betrag FROM Beitrag WHERE Betrag > 0) END");
  EXPECT_EQ(Scalar("SELECT dbo.ErsterBetrag()"), "10");
  // The column moves to another place; a binding left over from the batch
  // before would read the note.
  Run("ALTER TABLE Beitrag DROP COLUMN Id");
  Run("ALTER TABLE Beitrag ADD Id int NULL");
  EXPECT_EQ(Scalar("SELECT dbo.ErsterBetrag()"), "10");
  Run("ALTER TABLE Beitrag DROP COLUMN Betrag");
  Run("ALTER TABLE Beitrag ADD Betrag int NULL");
  Run("UPDATE Beitrag SET Betrag = 7");
  EXPECT_EQ(Scalar("SELECT dbo.ErsterBetrag()"), "7");
}

TEST_F(ColumnBindingTest, TopOneSubqueriesTakeTheFirstQualifyingRow) {
  // Enough rows for the equality to be looked up rather than scanned.
  Run("CREATE TABLE Bank (Blz varchar(8) NULL, Nr int NULL, Bic varchar(11) NULL)");
  std::string values;
  for (int i = 0; i < 40; ++i) {
    values += (values.empty() ? "" : ", ") + std::string("('1000") + std::to_string(1000 + i) +
              "', " + std::to_string(i) + ", NULL)";
  }
  Run("INSERT INTO Bank VALUES " + values);
  Run("INSERT INTO Bank VALUES ('20000000', 1, NULL), ('20000000', 2, 'ZWEI'), "
      "('20000000', 3, 'DREI'), ('30000000', 1, 'X')");
  struct Case {
    const char* query;
    const char* value;
  };
  const Case cases[] = {
      {"SELECT (SELECT TOP 1 Bic FROM Bank WHERE Blz = '20000000' AND Bic IS NOT NULL)", "ZWEI"},
      {"SELECT (SELECT TOP 1 Bic FROM Bank b WHERE b.Blz = '20000000' ORDER BY Nr DESC)", "DREI"},
      {"SELECT (SELECT TOP 1 Bic FROM Bank WHERE Blz = '99999999')", "NULL"},
      {"SELECT (SELECT TOP 1 Nr + 100 FROM Bank WHERE Blz = '30000000')", "101"},
      {"SELECT (SELECT TOP 1 Bic FROM Bank)", "NULL"},
  };
  for (const Case& c : cases) EXPECT_EQ(Scalar(c.query), c.value) << c.query;
  EXPECT_EQ(NumberOf("SELECT (SELECT Bic FROM Bank WHERE Blz = '20000000' AND Bic IS NOT NULL)"),
            512);

  // Each row takes the value of the first row of its bank code that has one.
  Run("UPDATE Bank SET Bic = (SELECT TOP 1 Bic FROM Bank B WHERE B.Blz = Bank.Blz AND "
      "ISNULL(Bic, '') <> '') WHERE Bic IS NULL");
  EXPECT_EQ(Rows("SELECT Nr, Bic FROM Bank WHERE Blz = '20000000'"),
            (Table{{"1", "ZWEI"}, {"2", "ZWEI"}, {"3", "DREI"}}));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Bank WHERE Bic IS NULL"), "40");
}

}  // namespace
}  // namespace quelor::sim::testing
