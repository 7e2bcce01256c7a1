// Statements of the association chart and of the signed journal amounts, run
// as the server runs them: an ISNULL over an int column stays an int (the
// empty text becomes 0) and LTRIM turns it into text, correlated NOT EXISTS
// over the outer table's name, keys with IGNORE_DUP_KEY, a two-column foreign
// key with both cascades, a trailing comma in CREATE TABLE.
#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;

TEST_F(SimTest, IsNullOverAnIntStaysAnIntAndTrimsToItsDigits) {
  Run("CREATE TABLE L (RimNr varchar(4) NULL, Kennz varchar(1) NULL, Nr int NULL)");
  Run("INSERT INTO L VALUES ('II','B',12), ('III',NULL,3), (NULL,'A',NULL)");
  // The empty text takes the type of the int: 0, not ''.
  EXPECT_EQ(Scalar("SELECT ISNULL(CAST(NULL AS int),'')"), "0");
  EXPECT_EQ(Scalar("SELECT ISNULL(CAST(NULL AS int),'') + 5"), "5");
  EXPECT_EQ(Rows("SELECT Ltrim(Rtrim(IsNull(RimNr,'')))+Ltrim(Rtrim(IsNull(Kennz,'')))"
                 "+Ltrim(Rtrim(IsNull(Nr,''))) FROM L ORDER BY Nr"),
            (Table{{"A0"}, {"III3"}, {"IIB12"}}));
  EXPECT_EQ(Scalar("SELECT LTRIM(42)+'x'"), "42x");
  // Without the trim the int wins the concatenation and the text fails.
  EXPECT_EQ(ErrorOf("SELECT RimNr+Nr FROM L WHERE Nr=12"),
            "Conversion failed when converting the varchar value 'II' to data type int.");
}

TEST_F(SimTest, CorrelatedNotExistsNamesTheOuterTableByName) {
  Run("CREATE TABLE Src (RimNr varchar(4) NOT NULL, Kennz varchar(1) NOT NULL, Nr int NOT NULL,"
      " Bezeichnung varchar(50) NOT NULL, EA char(1) NULL)");
  Run("CREATE TABLE Dst (RimNr varchar(4) NOT NULL, Kennz varchar(1) NOT NULL, Nr int NOT NULL,"
      " Bezeichnung varchar(120) NOT NULL, EA char(1) NULL)");
  Run("CREATE TABLE Kont (KennzEUR varchar(7) NULL)");
  Run("INSERT INTO Src VALUES ('I','A',1,'Beiträge','E'), ('I','A',2,'Gebühren','E'),"
      " ('III','A',6,'Zinsen','E'), ('II','B',1,'Standard','E')");
  Run("INSERT INTO Dst VALUES ('II','B',1,'Schon da','E')");
  Run("INSERT INTO Kont VALUES ('IA1'), (' IIIA6 '), ('IIB1'), (''), (NULL)");
  Run("INSERT INTO Dst (RimNr, Kennz, Nr, Bezeichnung, EA)\n"
      " SELECT RimNr, Kennz, Nr, Bezeichnung, EA FROM Src\n"
      " WHERE Ltrim(Rtrim(IsNull(RimNr,'')))+Ltrim(Rtrim(IsNull(Kennz,'')))"
      "+Ltrim(Rtrim(IsNull(Nr,''))) IN\n"
      " (SELECT Ltrim(Rtrim(IsNull(KennzEUR,''))) FROM Kont WHERE "
      "Ltrim(Rtrim(IsNull(KennzEUR,'')))<>'')\n"
      " AND NOT EXISTS (SELECT D.* FROM Dst AS D WHERE D.RimNr=Src.RimNr "
      "AND D.Kennz=Src.Kennz AND D.Nr=Src.Nr)");
  EXPECT_EQ(Rows("SELECT RimNr, Kennz, Nr, Bezeichnung, EA FROM Dst ORDER BY Nr, RimNr"),
            (Table{{"I", "A", "1", "Beiträge", "E"},
                   {"II", "B", "1", "Schon da", "E"},
                   {"III", "A", "6", "Zinsen", "E"}}));
}

TEST_F(SimTest, NegatedAmountKeepsItsScale) {
  Run("CREATE TABLE S (Soll numeric(19,8) NULL, Haben numeric(19,8) NULL,"
      " Betrag numeric(18, 8) NULL, G char(1) NULL)");
  Run("INSERT INTO S (Soll, Haben, G) VALUES (0, 25, 'J'), (NULL, NULL, 'J'), (12.5, 3, NULL)");
  Run("UPDATE S SET Betrag=Soll\r\n");
  Run("UPDATE S SET Betrag=Haben WHERE ISNULL(Betrag,0)=0\r\n");
  Run("UPDATE S SET Betrag=(-1)*Betrag WHERE G='J'\r\n");
  EXPECT_EQ(Rows("SELECT Betrag FROM S ORDER BY Haben"),
            (Table{{"NULL"}, {"12.50000000"}, {"-25.00000000"}}));
}

TEST_F(SimTest, KeysWithIgnoreDupKeyOffAndTwoColumnCascadingForeignKey) {
  Run("CREATE TABLE dbo.H (\r\nRimNr varchar (4) NOT NULL,\r\nKennz Varchar (1) NOT NULL,\r\n"
      "Bezeichnung varchar (120) NOT NULL)\r\n");
  Run("ALTER TABLE [dbo].[H]  ADD\r\nCONSTRAINT [PK_H] PRIMARY KEY CLUSTERED\r\n"
      "([RimNr],[Kennz]) ON [PRIMARY]\r\n");
  Run("CREATE TABLE dbo.D (\r\nRimNr varchar (4) NOT NULL,\r\nKennz Varchar (1) NOT NULL,\r\n"
      "Nr int NOT NULL,\r\nEA char (1) NULL)\r\n");
  Run("ALTER TABLE [dbo].[D]  ADD CONSTRAINT [PK_D] PRIMARY KEY CLUSTERED (\r\n"
      "[Nr] ASC,\r\n[RimNr] ASC\r\n)WITH (IGNORE_DUP_KEY = OFF) ON [PRIMARY]\r\n");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM sys.indexes WHERE name='PK_D' AND is_primary_key=1"), "1");
  Run("ALTER TABLE [dbo].[D]  WITH CHECK ADD  CONSTRAINT [FK_D_H] FOREIGN KEY([RimNr],[Kennz])\r\n"
      "REFERENCES [dbo].[H] ([RimNr],[Kennz]) ON UPDATE CASCADE ON DELETE CASCADE\r\n");
  Run("INSERT INTO H VALUES ('II','A','Ideeller Bereich'), ('II','B','Vermögensverwaltung')");
  Run("INSERT INTO D VALUES ('II','A',1,'E'), ('II','B',2,'A')");
  EXPECT_EQ(NumberOf("INSERT INTO D VALUES ('I','A',3,'E')"), 547);
  Run("UPDATE H SET Kennz='C' WHERE Kennz='B'");
  EXPECT_EQ(Rows("SELECT RimNr, Kennz, Nr FROM D ORDER BY Nr"),
            (Table{{"II", "A", "1"}, {"II", "C", "2"}}));
  Run("DELETE FROM  dbo.H\r\nDELETE FROM  dbo.D\r\n");
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM D"), "0");
}

TEST_F(SimTest, TrailingCommaInCreateTableAndNoKeyOnANullableColumn) {
  Run("CREATE TABLE dbo.Versandart (\r\n[Kennung] [varchar](80) NULL,\r\n) ON [PRIMARY]\r\n");
  EXPECT_EQ(Scalar("SELECT IS_NULLABLE FROM Information_Schema.Columns WHERE "
                   "Table_Name='Versandart' AND Column_Name='Kennung'"),
            "YES");
  EXPECT_EQ(ErrorOf("ALTER TABLE [dbo].[Versandart]  ADD CONSTRAINT [PK_Versandart] PRIMARY KEY "
                    "CLUSTERED (\r\n[Kennung] ASC\r\n) ON [PRIMARY]\r\n"),
            "Cannot define PRIMARY KEY constraint on nullable column in table 'Versandart'.");
}

TEST_F(SimTest, InlineKeyWithSortOrderAndBlankBeforeTheSize) {
  Run("CREATE TABLE dbo.T (\r\n    [LfdNr] [int] NOT NULL,\r\n    [Rbs] [int] NOT NULL,\r\n"
      "    [StSchl] [numeric] (19, 2) NULL,\r\n    [FÄLLIGKEIT1] [smallint] NULL,\r\n"
      " CONSTRAINT [PK_T] PRIMARY KEY CLUSTERED \r\n(\r\n    [LfdNr] ASC,\r\n    [Rbs] ASC\r\n"
      ") ON [PRIMARY]\r\n) \r\n");
  EXPECT_EQ(Rows("SELECT COLUMN_NAME, DATA_TYPE, NUMERIC_PRECISION, NUMERIC_SCALE FROM "
                 "Information_Schema.Columns WHERE Table_Name='T' ORDER BY ORDINAL_POSITION"),
            (Table{{"LfdNr", "int", "10", "0"},
                   {"Rbs", "int", "10", "0"},
                   {"StSchl", "numeric", "19", "2"},
                   {"FÄLLIGKEIT1", "smallint", "5", "0"}}));
  EXPECT_EQ(NumberOf("INSERT INTO T (LfdNr, Rbs) VALUES (1, 1), (1, 1)"), 2627);
}

}  // namespace
}  // namespace quelor::sim::testing
