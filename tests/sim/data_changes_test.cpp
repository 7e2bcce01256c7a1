// Identity numbering, IDENTITY_INSERT, defaults, positional insert-select,
// UPDATE ... FROM ... JOIN and foreign-key cascades.
#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;

TEST_F(SimTest, IdentityNumbersNewRowsAndRowsPresentWhenTheColumnIsAdded) {
  Run("CREATE TABLE dbo.Protokoll (Text varchar(20) NULL)");
  Run("INSERT INTO Protokoll VALUES ('erste'), ('zweite'), ('dritte')");
  Run("ALTER TABLE dbo.Protokoll ADD ID INT IDENTITY (1,1) Not Null");
  Run("INSERT INTO Protokoll (Text) VALUES ('vierte')");
  EXPECT_EQ(Rows("SELECT ID, Text FROM Protokoll ORDER BY ID"),
            (Table{{"1", "erste"}, {"2", "zweite"}, {"3", "dritte"}, {"4", "vierte"}}));
  Run("CREATE TABLE dbo.Zehner (ID int IDENTITY(100,10) NOT NULL, T char(1) NULL)");
  Run("INSERT INTO Zehner (T) VALUES ('a'), ('b')");
  EXPECT_EQ(Rows("SELECT ID FROM Zehner"), (Table{{"100"}, {"110"}}));
}

TEST_F(SimTest, IdentityInsertIsPerSessionAndForOneTableAtATime) {
  Run("CREATE TABLE dbo.F5DatA (LfdNr int IDENTITY(1,1) NOT NULL, Klasse varchar(1) NULL)");
  Run("CREATE TABLE dbo.F5DatB (LfdNr int IDENTITY(1,1) NOT NULL, Klasse varchar(1) NULL)");
  Run("SET IDENTITY_INSERT [dbo].[F5DatA] ON\nINSERT INTO [dbo].[F5DatA] "
      "([Klasse],[LfdNr])\tVALUES ('4',7)\n");
  EXPECT_EQ(ErrorOf("SET IDENTITY_INSERT [dbo].[F5DatB] ON"),
            "IDENTITY_INSERT is already ON for table 'QUELOR_A.dbo.F5DatA'. Cannot perform SET "
            "operation for table "
            "'dbo.F5DatB'.");
  EXPECT_EQ(ErrorOf("INSERT INTO F5DatA VALUES ('5')"),
            "An explicit value for the identity column in table 'F5DatA' can only be specified "
            "when a column list is "
            "used and IDENTITY_INSERT is ON.");
  SimConnection other(server_);
  other.Open(ConnectionText("QUELOR_A"));
  other.Execute("SET IDENTITY_INSERT F5DatB ON");  // the other session is free
  other.Execute("INSERT INTO F5DatB (LfdNr, Klasse) VALUES (3, '6')");
  Run("SET IDENTITY_INSERT [dbo].[F5DatA] OFF");
  Run("INSERT INTO F5DatA (Klasse) VALUES ('8')");  // continues after the highest explicit value
  EXPECT_EQ(Rows("SELECT LfdNr, Klasse FROM F5DatA ORDER BY LfdNr"),
            (Table{{"7", "4"}, {"8", "8"}}));
  EXPECT_EQ(
      ErrorOf("SET IDENTITY_INSERT Leer ON"),
      "Cannot find the object \"Leer\" because it does not exist or you do not have permissions.");
}

TEST_F(SimTest, PositionalInsertSelectWithAliasesFillsColumnsInOrder) {
  Run("CREATE TABLE Sportarten (KZ varchar(30) NULL, NUMMER varchar(10) NULL, SPORTART varchar(80) "
      "NULL,"
      " VerbandNr varchar(10) NULL, LfdNr INT NULL)");
  Run("Insert Into Sportarten Select KZ='BLSV', NUMMER='0', SPORTART='Adventure Race', "
      "VerbandNr='34', LfdNr=1\r\n"
      "Insert Into Sportarten Select KZ='WLSB', NUMMER='12', SPORTART='Rudern', VerbandNr=null, "
      "LfdNr=2");
  EXPECT_EQ(Rows("SELECT * FROM Sportarten"), (Table{{"BLSV", "0", "Adventure Race", "34", "1"},
                                                     {"WLSB", "12", "Rudern", "NULL", "2"}}));
  Run("CREATE TABLE Kopie (Name varchar(30) NULL, Nr int NULL)");
  Run("INSERT INTO Kopie SELECT SPORTART, LfdNr FROM Sportarten WHERE LfdNr > 1");
  EXPECT_EQ(Rows("SELECT * FROM Kopie"), (Table{{"Rudern", "2"}}));
}

TEST_F(SimTest, DefaultsFillOmittedColumnsAndNotNullAddsOnFilledTables) {
  Run("CREATE TABLE dbo.EINST (Nr int NULL)");
  Run("INSERT INTO EINST VALUES (1), (2)");
  Run("ALTER TABLE dbo.EINST ADD SkinForButtons varchar(50) NOT NULL CONSTRAINT DF_Skin DEFAULT "
      "'McSkin'");
  Run("ALTER TABLE dbo.EINST ADD Zahl int NULL DEFAULT 0");
  Run("INSERT INTO EINST (Nr) VALUES (3)");
  EXPECT_EQ(Rows("SELECT Nr, SkinForButtons, Zahl FROM EINST ORDER BY Nr"),
            (Table{{"1", "McSkin", "NULL"}, {"2", "McSkin", "NULL"}, {"3", "McSkin", "0"}}));
  EXPECT_EQ(
      Scalar("SELECT COLUMN_DEFAULT FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME='EINST' AND "
             "COLUMN_NAME='Zahl'"),
      "((0))");
  Run("ALTER TABLE dbo.EINST ADD Frei char(1)");  // no NULL/NOT NULL: nullable
  EXPECT_EQ(
      Scalar("SELECT IS_NULLABLE FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME='EINST' AND "
             "COLUMN_NAME='Frei'"),
      "YES");
}

TEST_F(SimTest, UpdateFromJoinSetsColumnsOfTheTargetAlias) {
  Run("CREATE TABLE MgArt (Art int NOT NULL PRIMARY KEY, Bezeichnung varchar(40) NULL)");
  Run("CREATE TABLE MgVert (VertragNr int NOT NULL, Art int NULL, ArtName varchar(40) NULL)");
  Run("INSERT INTO MgArt VALUES (1, 'Voll'), (2, 'Jugend')");
  Run("INSERT INTO MgVert (VertragNr, Art) VALUES (10, 1), (11, 2), (12, 9)");
  Run("UPDATE MgVert SET ArtName=A.Bezeichnung FROM MgVert V LEFT JOIN MgArt A ON A.Art=V.Art");
  EXPECT_EQ(Rows("SELECT VertragNr, ArtName FROM MgVert ORDER BY VertragNr"),
            (Table{{"10", "Voll"}, {"11", "Jugend"}, {"12", "NULL"}}));
  Run("DELETE FROM MgVert FROM MgVert V INNER JOIN MgArt A ON A.Art = V.Art WHERE A.Bezeichnung = "
      "'jugend'");
  EXPECT_EQ(Rows("SELECT VertragNr FROM MgVert ORDER BY VertragNr"), (Table{{"10"}, {"12"}}));

  Run("CREATE TABLE EINST (Nr int NULL, LIFERNR varchar(10) NULL)");
  Run("CREATE TABLE Rechn (RechNummer varchar(10) NULL, FORM_ART varchar(20) NULL)");
  Run("INSERT INTO EINST (Nr) VALUES (1)");
  Run("INSERT INTO Rechn VALUES ('17', 'Lieferschein'), ('9', 'Lieferschein'), ('99', 'Angebot')");
  Run("UPDATE EINST SET LIFERNR=(SELECT IsNull(Max(RechNummer),'1') FROM Rechn WHERE "
      "FORM_ART='Lieferschein')");
  EXPECT_EQ(Scalar("SELECT LIFERNR FROM EINST"), "9");  // text comparison: '9' > '17'
  Run("UPDATE EINST SET LIFERNR=(SELECT IsNull(Max(RechNummer),'1') FROM Rechn WHERE "
      "FORM_ART='Rechnung')");
  EXPECT_EQ(Scalar("SELECT LIFERNR FROM EINST"),
            "1");  // MAX over no rows is a NULL of type varchar
}

TEST_F(SimTest, CascadesFollowTheForeignKeyRules) {
  Run("CREATE TABLE GuVKennz (RimNr varchar(4) NOT NULL, Kennz varchar(1) NOT NULL, Text "
      "varchar(20) NULL,"
      " CONSTRAINT PK_GuVKennz PRIMARY KEY (RimNr, Kennz))");
  Run("CREATE TABLE GuVKennzD (RimNr varchar(4) NOT NULL, Kennz varchar(1) NOT NULL, Nr int NOT "
      "NULL)");
  Run("ALTER TABLE [dbo].[GuVKennzD]  WITH CHECK ADD  CONSTRAINT [FK_GuVKennzD_GuVKennz] FOREIGN "
      "KEY([RimNr],[Kennz])\r\n"
      "REFERENCES [dbo].[GuVKennz] ([RimNr],[Kennz]) ON UPDATE CASCADE ON DELETE CASCADE");
  Run("INSERT INTO GuVKennz VALUES ('A', '1', 'eins'), ('B', '2', 'zwei')");
  Run("INSERT INTO GuVKennzD VALUES ('A', '1', 1), ('A', '1', 2), ('B', '2', 3)");
  Run("UPDATE GuVKennz SET RimNr = 'C' WHERE RimNr = 'b'");
  EXPECT_EQ(Rows("SELECT RimNr, Nr FROM GuVKennzD ORDER BY Nr"),
            (Table{{"A", "1"}, {"A", "2"}, {"C", "3"}}));
  Run("DELETE FROM GuVKennz WHERE RimNr = 'A'");
  EXPECT_EQ(Rows("SELECT RimNr, Nr FROM GuVKennzD"), (Table{{"C", "3"}}));
  EXPECT_EQ(ErrorOf("INSERT INTO GuVKennzD VALUES ('X', '1', 4)"),
            "The INSERT statement conflicted with the FOREIGN KEY constraint "
            "\"FK_GuVKennzD_GuVKennz\". The conflict "
            "occurred in database \"QUELOR_A\", table \"dbo.GuVKennz\".");
}

TEST_F(SimTest, ForeignKeyWithCheckTestsExistingRowsAndNocheckDoesNot) {
  Run("CREATE TABLE Kopf (Nr int NOT NULL CONSTRAINT PK_Kopf PRIMARY KEY)");
  Run("CREATE TABLE Pos (Nr int NULL)");
  Run("INSERT INTO Pos VALUES (5)");
  EXPECT_EQ(ErrorOf("ALTER TABLE Pos WITH CHECK ADD CONSTRAINT FK_Pos_Kopf FOREIGN KEY (Nr) "
                    "REFERENCES Kopf (Nr)"),
            "The ALTER TABLE statement conflicted with the FOREIGN KEY constraint \"FK_Pos_Kopf\". "
            "The conflict "
            "occurred in database \"QUELOR_A\", table \"dbo.Kopf\", column 'Nr'.");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sysobjects WHERE name = 'FK_Pos_Kopf'"), "0");
  Run("ALTER TABLE Pos WITH NOCHECK ADD CONSTRAINT FK_Pos_Kopf FOREIGN KEY (Nr) REFERENCES Kopf "
      "(Nr)");
  EXPECT_EQ(NumberOf("INSERT INTO Pos VALUES (6)"), 547);  // new rows are checked all the same
  EXPECT_EQ(
      ErrorOf("ALTER TABLE Pos ADD CONSTRAINT FK_Pos_Pos FOREIGN KEY (Nr) REFERENCES Pos (Nr)"),
      "There are no primary or candidate keys in the referenced table 'dbo.Pos' that match the "
      "referencing "
      "column list in the foreign key 'FK_Pos_Pos'.");
}

TEST_F(SimTest, UniqueKeysCompareTextWithoutCaseAndTrailingBlanks) {
  Run("CREATE TABLE tblLSB (Kennung varchar(20) NOT NULL PRIMARY KEY, Bezeichnung varchar(80) "
      "NULL)");
  Run("INSERT INTO tblLSB (Kennung, Bezeichnung)\r\nVALUES\r\n('BSB Nord', 'Badischer Sportbund "
      "Nord')");
  EXPECT_EQ(NumberOf("INSERT INTO tblLSB VALUES ('bsb nord  ', 'doppelt')"), 2627);
  Run("CREATE UNIQUE INDEX uxBez ON tblLSB (Bezeichnung)");
  EXPECT_EQ(ErrorOf("INSERT INTO tblLSB VALUES ('X', 'BADISCHER Sportbund Nord')"),
            "Cannot insert duplicate key row in object 'dbo.tblLSB' with unique index 'uxBez'. The "
            "duplicate key "
            "value is (BADISCHER Sportbund Nord).");
  Run("INSERT INTO tblLSB VALUES ('WLSB', 'Württembergischer Landessportbund')");
  EXPECT_EQ(NumberOf("UPDATE tblLSB SET Kennung = 'BSB NORD' WHERE Kennung = 'WLSB'"), 2627);
  Run("UPDATE tblLSB SET Kennung = Kennung + '-alt'");  // every key moves: no clash
  Run("INSERT INTO tblLSB VALUES ('WLSB', 'neu')");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM tblLSB WHERE Kennung LIKE '%-alt'"), "2");
  Run("DELETE FROM tblLSB");
  Run("INSERT INTO tblLSB VALUES ('BSB Nord', 'wieder frei')");
}

TEST_F(SimTest, GrantRightToAllUsersCopiesOneRowPerUser) {
  Run("CREATE TABLE PASS (BENUTZER varchar(20) NOT NULL)");
  Run("CREATE TABLE tblRechte (BENUTZER varchar(20) NULL, RB int NULL, Bezeichnung varchar(80) "
      "NULL,"
      " Kurzname varchar(30) NULL, Ind char(1) NULL)");
  Run("INSERT INTO PASS VALUES ('ADMIN'), ('KASSE'), ('GAST')");
  Run("INSERT INTO tblRechte (BENUTZER, RB, Bezeichnung, Kurzname, Ind)\r\n SELECT BENUTZER, 1, "
      "'Vereinsdaten "
      "anlegen, bearbeiten', 'Vereinsdaten', 'J' FROM PASS");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM tblRechte WHERE RB = 1 AND Ind = 'J'"), "3");
}

}  // namespace
}  // namespace quelor::sim::testing

namespace quelor::sim::testing {
namespace {

// VALUES and select-list items that are plain constants are read without
// the expression grammar, and an INSERT of a SELECT of constants runs no
// query; each must store exactly what the same constant in parentheses or
// selected from a table stores, and a row that mixes them with expressions
// keeps its order.
TEST_F(SimTest, ConstantsInValuesStoreWhatTheirExpressionsStore) {
  Run("CREATE TABLE Werte (Nr int NULL, Text varchar(40) NULL)");
  Run("INSERT INTO Werte VALUES (0, 'eins')");  // one row to select from
  const char* const constants[] = {"1",    "-1",   "1.50", "1e2",        "'a''b'",
                                   "N'ü'", "NULL", "0x41", "2147483648", "'  x  '"};
  int number = 0;
  for (const char* constant : constants) {
    Run("INSERT INTO Werte VALUES (" + std::to_string(++number) + ", " + constant + ")");
    Run("INSERT INTO Werte VALUES ((" + std::to_string(number) + "), (" + constant + "))");
    Run("INSERT INTO Werte SELECT Nr = " + std::to_string(number) + ", Text = " + constant);
    Run("INSERT INTO Werte SELECT " + std::to_string(number) + ", " + constant +
        " FROM Werte WHERE Nr = 0");
    const auto rows = Rows("SELECT Text FROM Werte WHERE Nr = " + std::to_string(number));
    ASSERT_EQ(rows.size(), 4u) << constant;
    for (const auto& row : rows) EXPECT_EQ(row, rows[0]) << constant;
  }
  Run("CREATE TABLE Gemischt (Nr int NULL, Text varchar(10) NULL DEFAULT 'vorgabe')");
  Run("INSERT INTO Gemischt VALUES (1, 'a'), ((2), 'b'), (3, 'c' + 'd'), (4, DEFAULT), (5 + 0, "
      "NULL)");
  EXPECT_EQ(Rows("SELECT Nr, Text FROM Gemischt"),
            (Table{{"1", "a"}, {"2", "b"}, {"3", "cd"}, {"4", "vorgabe"}, {"5", "NULL"}}));
  EXPECT_EQ(NumberOf("INSERT INTO Gemischt VALUES (1 'a')"), 102);
  EXPECT_EQ(NumberOf("INSERT INTO Gemischt VALUES (1, 'a"), 105);
  EXPECT_EQ(NumberOf("INSERT INTO Gemischt (Nr, Text) VALUES (1, 'a', 2)"), 110);
  // The same constants as a SELECT, two statements in one batch.
  Run("INSERT INTO Gemischt SELECT Nr = 6, Text = 'f'\nINSERT INTO Gemischt SELECT 7, NULL");
  EXPECT_EQ(Rows("SELECT Text FROM Gemischt WHERE Nr > 5"), (Table{{"f"}, {"NULL"}}));
  // Only a list that ends the statement is a row of constants.
  Run("INSERT INTO Gemischt SELECT Nr = 8, Text = 'h' WHERE 1 = 0\n"
      "INSERT INTO Gemischt SELECT Nr = 9, 'i'\n"
      "INSERT INTO Gemischt SELECT Nr = 10, Text = 'j' INSERT INTO Gemischt SELECT 11, Text = 'k'");
  EXPECT_EQ(Rows("SELECT Nr, Text FROM Gemischt WHERE Nr > 7"),
            (Table{{"9", "i"}, {"10", "j"}, {"11", "k"}}));
  EXPECT_EQ(NumberOf("INSERT INTO Gemischt SELECT 1, 'a', 2"), 213);
  EXPECT_EQ(NumberOf("INSERT INTO Gemischt (Nr, Text) SELECT 1, 'a', 2"), 121);
  EXPECT_EQ(NumberOf("INSERT INTO Gemischt (Nr, Text) SELECT Nr = 1"), 120);
}

}  // namespace
}  // namespace quelor::sim::testing
