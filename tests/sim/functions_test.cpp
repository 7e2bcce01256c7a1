// User-defined functions as the migration creates them: a scalar function
// with a loop, and an inline table-valued function used in FROM.
#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;

const char* const kBirthdayFunction =
    "create function fnDays2NextBirthday(@birthdate datetime, @today datetime)\r\n"
    "returns integer\r\n"
    "as\r\n"
    "begin\r\n"
    "declare @birthday datetime\r\n"
    "set @birthday = @birthdate\r\n"
    "while @birthday < @today set @birthday = dateadd(yy,1,@birthday)\r\n"
    "return datediff(dd,@today,@birthday)\r\n"
    "end\r\n";

TEST_F(SimTest, ScalarFunctionCountsDaysToTheNextBirthday) {
  Run(kBirthdayFunction);
  const std::pair<const char*, const char*> cases[] = {
      {"dbo.fnDays2NextBirthday('19800220', '20130220')", "0"},
      {"dbo.fnDays2NextBirthday('19800221', '20130220')", "1"},
      {"dbo.fnDays2NextBirthday('19800219', '20130220')", "364"},
      {"dbo.fnDays2NextBirthday(NULL, '20130220')", "NULL"},
  };
  for (const auto& [call, expected] : cases) EXPECT_EQ(Scalar(std::string("SELECT ") + call), expected) << call;
  EXPECT_EQ(ErrorOf(kBirthdayFunction), "There is already an object named 'fnDays2NextBirthday' in the database.");
  EXPECT_EQ(ErrorOf("SELECT fnDays2NextBirthday('19800220', '20130220')"),
            "'fnDays2NextBirthday' is not a recognized built-in function name.");
  Run("DROP FUNCTION dbo.fnDays2NextBirthday");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sysobjects WHERE name = 'fnDays2NextBirthday'"), "0");
}

TEST_F(SimTest, InlineTableFunctionReturnsTheUnionOfItsBranches) {
  Run("CREATE TABLE MgVert (AdrNr int NULL, Sollstellung varchar(20) NULL, FalligkeitDatum1 datetime NULL,"
      " FalligkeitDatum2 datetime NULL)");
  Run("INSERT INTO MgVert VALUES (1, 'jährlich', '20000229', NULL), (2, 'halbjährl.', '20000115', '20000715')");
  Run("CREATE FUNCTION dbo.fFalligkeitDatum (@Year INT)\n"
      "RETURNS TABLE\nAS\nRETURN (\n"
      "  SELECT AdrNr, 1 AS Zeitraum, DATEADD(yy, @Year - 1900, DATEADD(mm, MONTH(FalligkeitDatum1) - 1,"
      "    DATEADD(dd, DAY(FalligkeitDatum1) - 1, 0))) AS FalligkeitDatum\n"
      "  FROM MgVert WHERE Sollstellung IN ('jährlich', 'halbjährl.') AND FalligkeitDatum1 IS NOT NULL\n"
      "  UNION ALL\n"
      "  SELECT AdrNr, 7, DATEADD(yy, @Year - 1900, DATEADD(mm, MONTH(FalligkeitDatum2) - 1,"
      "    DATEADD(dd, DAY(FalligkeitDatum2) - 1, 0)))\n"
      "  FROM MgVert WHERE Sollstellung = 'halbjährl.' AND FalligkeitDatum2 IS NOT NULL\n"
      ")");
  EXPECT_EQ(Rows("SELECT F.AdrNr, F.Zeitraum, F.FalligkeitDatum FROM dbo.fFalligkeitDatum(2013) AS F "
                 "ORDER BY F.AdrNr, F.Zeitraum"),
            (Table{{"1", "1", "2013-02-28 00:00:00.000"},
                   {"2", "1", "2013-01-15 00:00:00.000"},
                   {"2", "7", "2013-07-15 00:00:00.000"}}));
  EXPECT_EQ(Scalar("SELECT xtype FROM sysobjects WHERE name = 'fFalligkeitDatum'"), "IF");
}

TEST_F(SimTest, StatementsOfTheMigrationRunAsWritten) {
  Run("CREATE TABLE W_Vorl (Datum datetime NULL, UhrZeit datetime NULL, DatumVon datetime NULL)");
  Run("INSERT INTO W_Vorl (Datum, UhrZeit) VALUES ('20130220', '19000101 09:05:30')");
  Run("UPDATE W_Vorl SET DatumVon=DATEADD(dd, DATEDIFF(dd,0,Datum), 0) + CAST(CAST(DATEPART(hh, UhrZeit) AS "
      "VarChar)+':'+Right('0'+CAST(DATEPART(mi, UhrZeit) AS VarChar),2) AS DateTime)");
  EXPECT_EQ(Scalar("SELECT DatumVon FROM W_Vorl"), "2013-02-20 09:05:00.000");

  Run("CREATE TABLE Adresse (AdrNr int NOT NULL, MitglNr int NULL, Anrede varchar(10) NULL, Betreung varchar(20) NULL,"
      " mandatsrefenz varchar(40) NULL)");
  Run("INSERT INTO Adresse (AdrNr, MitglNr, Anrede) VALUES (1, 100, 'Herr'), (2, 200, 'Frau'), (3, NULL, NULL)");
  Run("UPDATE Adresse SET mandatsrefenz=CAST(AdrNr as varchar)+CAST(MitglNr as varchar)");
  Run("update Adresse set Betreung=(CASE WHEN IsNull(Anrede,'')='Herr' THEN 'MÄNNLICH' ELSE CASE WHEN "
      "IsNull(Anrede,'')='Frau' THEN 'WEIBLICH' END END)\r\n where 1=1\r\n and (\r\n (IsNull(Anrede,'')='Herr'\r\n"
      " and IsNull(Betreung,'')<>'MÄNNLICH') or \r\n (IsNull(Anrede,'')='Frau'\r\n"
      " and IsNull(Betreung,'')<>'WEIBLICH')\r\n )");
  EXPECT_EQ(Rows("SELECT mandatsrefenz, Betreung FROM Adresse ORDER BY AdrNr"),
            (Table{{"1100", "MÄNNLICH"}, {"2200", "WEIBLICH"}, {"NULL", "NULL"}}));

  Run("CREATE TABLE d_blz (BLZ varchar(8) NULL, BIC varchar(11) NULL)");
  Run("INSERT INTO d_blz VALUES ('10000000', 'MARKDEF1100'), ('10000000', NULL), ('20000000', NULL)");
  Run("UPDATE d_blz SET BIC= (select TOP 1 BIC from d_blz B where B.BLZ=d_blz.BLZ AND ISNULL(bic,'')<>'')  where bic "
      "IS NULL");
  EXPECT_EQ(Rows("SELECT BLZ, BIC FROM d_blz ORDER BY BLZ, BIC"),
            (Table{{"10000000", "MARKDEF1100"}, {"10000000", "MARKDEF1100"}, {"20000000", "NULL"}}));

  Run("CREATE TABLE DSAFachverband (Nr varchar(3) NULL, Bezeichnung varchar(200) NULL)");
  Run("INSERT INTO DSAFachverband (Nr, \r\nBezeichnung) VALUES ('101','Allgemeiner \r\nDeutscher "
      "Hochschulsportverband (ADH)')");
  Run("UPDATE DSAFachverband SET Bezeichnung=REPLACE(Bezeichnung,'\r\n',' ')");
  Run("UPDATE DSAFachverband SET Bezeichnung=REPLACE(Bezeichnung,'  ',' ')");
  EXPECT_EQ(Scalar("SELECT Bezeichnung FROM DSAFachverband"), "Allgemeiner Deutscher Hochschulsportverband (ADH)");
  EXPECT_EQ(Scalar("SELECT LEN(REPLACE('a' + CHAR(13) + CHAR(10) + 'b', CHAR(13) + CHAR(10), ''))"), "2");

  Run("CREATE TABLE VerbSportArt (Nummer varchar(4) NULL)");
  Run("INSERT INTO VerbSportArt VALUES ('1'), ('12'), ('1234')");
  Run("update VerbSportArt set Nummer='0'+Nummer\r\nwhere 1=1\r\nand LEN(Nummer)<4\r\n");
  EXPECT_EQ(Rows("SELECT Nummer FROM VerbSportArt ORDER BY Nummer"), (Table{{"01"}, {"012"}, {"1234"}}));
}

TEST_F(SimTest, CorrelatedLookupsOnLargeTablesSeeEarlierChangesOfTheBatch) {
  Run("CREATE TABLE d_blz (BLZ varchar(8) NULL, BIC varchar(11) NULL)");
  std::string rows;
  for (int i = 0; i < 200; ++i) {
    std::string blz = std::to_string(10000000 + i / 2);
    rows += "INSERT INTO d_blz VALUES ('" + blz + "', " + (i % 2 == 0 ? "'BIC" + std::to_string(i / 2) + "'" : "NULL") +
            ")\n";
  }
  Run(rows);
  Run("INSERT INTO d_blz VALUES ('99999999', NULL)\n"
      "UPDATE d_blz SET BIC= (select TOP 1 BIC from d_blz B where B.BLZ=d_blz.BLZ AND ISNULL(bic,'')<>'')  where bic "
      "IS NULL\n"
      "INSERT INTO d_blz VALUES ('99999999', 'NEU')\n"
      "UPDATE d_blz SET BIC= (select TOP 1 BIC from d_blz B where B.BLZ=d_blz.BLZ AND ISNULL(bic,'')<>'')  where bic "
      "IS NULL");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM d_blz WHERE BIC IS NULL"), "0");
  EXPECT_EQ(Scalar("SELECT BIC FROM d_blz WHERE BLZ = '10000042' AND BIC <> 'x' GROUP BY BIC"), "BIC42");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM d_blz WHERE BLZ = '99999999' AND BIC = 'neu'"), "2");
}

TEST_F(SimTest, MandateSelectionSkipsMembersThatHaveAMandate) {
  Run("CREATE TABLE Adresse (AdrNr int NOT NULL, MITGLNR int NULL, mandatsrefenz varchar(40) NULL, IBAN1 varchar(40)"
      " NULL, BIC1 varchar(40) NULL, Austritt datetime NULL, Zahlungsart char(1) NULL, AbwKtoInhCB char(1) NULL)");
  Run("CREATE TABLE AdrSepa (AdrNr int NULL)");
  Run("INSERT INTO Adresse (AdrNr, MITGLNR, mandatsrefenz, Zahlungsart, AbwKtoInhCB) VALUES "
      "(1, 10, 'M1', 'L', NULL), (2, 20, 'M2', 'L', 'J'), (3, 30, '', 'L', NULL), (4, 40, 'M4', 'L', 'N'),"
      " (5, 50, 'M5', 'B', NULL)");
  Run("INSERT INTO AdrSepa VALUES (4)");
  auto rows = Rows(
      "SELECT A.AdrNr, A.MITGLNR, A.mandatsrefenz,1,A.IBAN1, A.BIC1 FROM Adresse AS A WHERE A.Austritt IS NULL AND "
      "A.Zahlungsart='L'            \r\nAND ISNULL(AbwKtoInhCB,'')<>'J'  AND ISNULL(A.mandatsrefenz,'')<>'' \r\n"
      "AND A.AdrNr NOT IN (SELECT DISTINCT H.AdrNr FROM AdrSepa AS H WHERE H.AdrNr=A.AdrNr)");
  EXPECT_EQ(rows, (Table{{"1", "10", "M1", "1", "NULL", "NULL"}}));
}

}  // namespace
}  // namespace quelor::sim::testing
