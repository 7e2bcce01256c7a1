// A data or schema change refused part-way (on its last row, in a cascade,
// after new columns were filled) leaves every row where and as it was, and
// the table takes later changes as before.
#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;

class RefusedChangeTest : public SimTest {
 protected:
  RefusedChangeTest() {
    // Bank -> Konto (cascades) -> Buchung (cascades); Bank -> Mandat (no action).
    Run("CREATE TABLE Bank (BLZ varchar(8) NOT NULL CONSTRAINT PK_Bank PRIMARY KEY, Name "
        "varchar(6) NULL)");
    Run("CREATE TABLE Konto (KtoNr int NOT NULL CONSTRAINT PK_Konto PRIMARY KEY, BLZ varchar(8) "
        "NULL)");
    Run("ALTER TABLE Konto ADD CONSTRAINT FK_Konto_Bank FOREIGN KEY (BLZ) REFERENCES Bank (BLZ)"
        " ON UPDATE CASCADE ON DELETE CASCADE");
    Run("CREATE TABLE Buchung (Nr int NOT NULL, KtoNr int NULL)");
    Run("ALTER TABLE Buchung ADD CONSTRAINT FK_Buchung_Konto FOREIGN KEY (KtoNr) REFERENCES Konto "
        "(KtoNr)"
        " ON DELETE CASCADE");
    Run("CREATE TABLE Mandat (Nr int NOT NULL, BLZ varchar(8) NULL)");
    Run("ALTER TABLE Mandat ADD CONSTRAINT FK_Mandat_Bank FOREIGN KEY (BLZ) REFERENCES Bank (BLZ)");
    Run("INSERT INTO Bank VALUES ('100', 'Nord'), ('200', 'Sued'), ('300', 'West')");
    Run("INSERT INTO Konto VALUES (1, '200'), (2, '100'), (3, '200'), (4, '300'), (5, '200')");
    Run("INSERT INTO Buchung VALUES (10, 3), (11, 1), (12, 2), (13, 5), (14, 3)");
    Run("INSERT INTO Mandat VALUES (7, '200')");
  }

  // Every table in its stored order (no ORDER BY): rows put back must be
  // back in their places.
  Table Everything() {
    Table all;
    for (const char* query : {"SELECT BLZ, Name FROM Bank", "SELECT KtoNr, BLZ FROM Konto",
                              "SELECT Nr, KtoNr FROM Buchung", "SELECT * FROM Mandat"}) {
      for (auto& row : Rows(query)) all.push_back(std::move(row));
    }
    return all;
  }
};

TEST_F(RefusedChangeTest, RefusedDataChangesLeaveEveryRowInItsPlace) {
  const Table before = Everything();
  struct Case {
    const char* statement;
    int number;
  };
  const Case cases[] = {
      // The last row's new name does not fit.
      {"UPDATE Bank SET Name = CASE BLZ WHEN '300' THEN 'zu lang' ELSE 'neu' END", 2628},
      // The last row's key clashes with an earlier new key.
      {"UPDATE Konto SET KtoNr = CASE WHEN KtoNr < 5 THEN KtoNr + 10 ELSE 11 END", 2627},
      // Konto and Buchung cascade first, then Mandat refuses.
      {"DELETE FROM Bank WHERE BLZ = '200'", 547},
      {"UPDATE Bank SET BLZ = '250' WHERE BLZ = '200'", 547},
      {"DELETE FROM Bank", 547},
  };
  for (const Case& refused : cases) {
    EXPECT_EQ(NumberOf(refused.statement), refused.number) << refused.statement;
    EXPECT_EQ(Everything(), before) << refused.statement;
  }
  // The key sets were put back with the rows.
  EXPECT_EQ(NumberOf("INSERT INTO Konto VALUES (3, NULL)"), 2627);
  Run("DELETE FROM Mandat");
  Run("DELETE FROM Bank WHERE BLZ = '200'");
  EXPECT_EQ(Rows("SELECT KtoNr, BLZ FROM Konto"), (Table{{"2", "100"}, {"4", "300"}}));
  EXPECT_EQ(Rows("SELECT Nr, KtoNr FROM Buchung"), (Table{{"12", "2"}}));
}

TEST_F(RefusedChangeTest, RefusedCascadeInsideATransactionRollsBackToTheStart) {
  Run("BEGIN TRANSACTION");
  Run("UPDATE Konto SET BLZ = '100' WHERE KtoNr = 4");
  EXPECT_EQ(NumberOf("DELETE FROM Bank WHERE BLZ = '200'"), 547);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Buchung"), "5");
  Run("ROLLBACK TRANSACTION");
  EXPECT_EQ(Scalar("SELECT BLZ FROM Konto WHERE KtoNr = 4"), "300");
}

TEST_F(RefusedChangeTest, RefusedAddColumnsLeaveTheTableAsItWas) {
  const Table before = Everything();
  struct Case {
    const char* statement;
    int number;
  };
  const Case cases[] = {
      // Numbering the five rows runs past 255.
      {"ALTER TABLE Konto ADD Lfd tinyint IDENTITY(253,1) NOT NULL", 8115},
      // The default does not fit the column it fills.
      {"ALTER TABLE Konto ADD Kurz varchar(2) NOT NULL CONSTRAINT DF_Konto_Kurz DEFAULT 'lang'",
       2628},
      // Every row takes the same default, so the key is not unique.
      {"ALTER TABLE Konto ADD Art int NOT NULL CONSTRAINT DF_Konto_Art DEFAULT 0 CONSTRAINT "
       "UQ_Konto_Art UNIQUE",
       1505},
      {"ALTER TABLE Konto ADD Frei int NULL, Zwei int NOT NULL CONSTRAINT DF_Konto_Zwei DEFAULT 1"
       " CONSTRAINT UQ_Konto_Zwei UNIQUE",
       1505},
  };
  for (const Case& refused : cases) {
    EXPECT_EQ(NumberOf(refused.statement), refused.number) << refused.statement;
    EXPECT_EQ(Everything(), before) << refused.statement;
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = 'Konto'"),
              "2")
        << refused.statement;
    EXPECT_EQ(
        Scalar(
            "SELECT COUNT(*) FROM sysobjects WHERE name LIKE 'DF_Konto%' OR name LIKE 'UQ_Konto%'"),
        "0")
        << refused.statement;
    // No cell of the refused columns stays behind in the stored rows.
    for (const Row& row : server_.FindDatabase("QUELOR_A")->FindTable("Konto")->rows) {
      EXPECT_EQ(row.size(), 2u) << refused.statement;
    }
  }
  Run("ALTER TABLE Konto ADD Art int NOT NULL CONSTRAINT DF_Konto_Art DEFAULT 0");
  Run("INSERT INTO Konto (KtoNr, BLZ) VALUES (6, '100')");
  EXPECT_EQ(Rows("SELECT KtoNr, Art FROM Konto WHERE KtoNr > 4"), (Table{{"5", "0"}, {"6", "0"}}));
}

}  // namespace
}  // namespace quelor::sim::testing
