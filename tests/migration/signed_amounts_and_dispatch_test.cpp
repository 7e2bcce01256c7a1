// Signed journal amounts, dispatch and standing-order tables and the
// sports-list corrections on the previous-release tenant, brought to where the
// second routine reaches them.
#include "migration/signed_amounts_and_dispatch.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "first_routine.h"
#include "migration/association_chart_tables.h"
#include "migration/federation_lists_and_reloads.h"
#include "migration/fixed_assets_and_rights.h"
#include "migration/sports_list_keys.h"
#include "migration_fixture.h"

namespace quelor::testing {
namespace {

using db::Policy;
using migration::SignedAmountsDispatchAndSportsFixes;
using Table = std::vector<std::vector<std::string>>;

std::string Lines(std::initializer_list<std::string_view> lines) { return db::JoinCrLf(lines); }

void Send(migration::TenantContext& t, const std::string& text) {
  t.db.Exec(Policy::kUnguarded, text);
}

class SignedAmountsTest : public MigrationTest {
 protected:
  SignedAmountsTest() {
    std::vector<Segment> segments = FirstRoutineSegments();
    segments.push_back(migration::SportsListKeysAndDueDates);
    segments.push_back(migration::FixedAssetsLetterLayoutAndRights);
    segments.push_back(migration::AssociationChartTables);
    segments.push_back(migration::FederationListsAndReferenceReloads);
    Prepare(segments);
  }

  std::string Count(const std::string& table) {
    return Rows("SELECT COUNT(*) FROM " + table)[0][0];
  }
};

const std::string kCopyUsedLines =
    "INSERT INTO GuVKennz49D (RimNr, Kennz, Nr, Bezeichnung, EA)\n"
    " SELECT RimNr, Kennz, Nr, Bezeichnung, EA FROM GuVKennzD\n"
    " WHERE "
    "Ltrim(Rtrim(IsNull(RimNr,'')))+Ltrim(Rtrim(IsNull(Kennz,'')))+Ltrim(Rtrim(IsNull(Nr,''))) "
    "IN\n"
    " (SELECT Ltrim(Rtrim(IsNull(KennzEUR,''))) FROM f5kont WHERE "
    "Ltrim(Rtrim(IsNull(KennzEUR,'')))<>'')\n"
    " AND NOT EXISTS (SELECT D.* FROM GuVKennz49D AS D WHERE D.RimNr=GuVKennzD.RimNr AND "
    "D.Kennz=GuVKennzD.Kennz AND D.Nr=GuVKennzD.Nr)";

const std::vector<std::string> kTrims = {
    "UPDATE sportarten SET NUMMER=LTRIM(RTRIM(NUMMER)),VerbandNr=LTRIM(RTRIM(VerbandNr)) ",
    "UPDATE sportartenV SET NUMMER=LTRIM(RTRIM(NUMMER)),VerbandNr=LTRIM(RTRIM(VerbandNr)) ",
    "UPDATE AdrSART SET SArt=LTRIM(RTRIM(SArt)),VerbandNr=LTRIM(RTRIM(VerbandNr)) ",
};

const std::string kNovussProbe =
    "select KZ from Sportarten\r\n where 1=1\r\n and SPORTART='Novuss'\r\n";
const std::string kNovussInsert =
    "insert into Sportarten(KZ,NUMMER,SPORTART,VerbandNr)\r\n "
    "values('BLSV','0176','Novuss','04')\r\n";
const std::string kOwnSportsProbe = "select NUMMER from SportartenV\r\n where 1=1\r\n";

const std::vector<std::string> kHessenCopy = {
    "delete from Sportarten\r\n where 1=1\r\n and KZ='LSB Hessen'\r\n",
    "insert into Sportarten(KZ,NUMMER,SPORTART,VerbandNr)\r\n"
    " select 'LSB Hessen',NUMMER,SPORTART,VerbandNr from Sportarten\r\n"
    " where 1=1\r\n and KZ='LSB Sachsen'\r\n",
    "delete from fachverbaende\r\n where 1=1\r\n and KZ='LSB Hessen'\r\n",
    "insert into fachverbaende(KZ,NUMMER,FACHVERBAN,Kn)\r\n"
    " select 'LSB Hessen',NUMMER,FACHVERBAN,Kn from fachverbaende\r\n"
    " where 1=1\r\n and KZ='LSB Sachsen'\r\n",
    "update PASSDB set UmsetzungSportartenHessen='J'\r\n",
};

// Every statement of the fixture's first run; the Novuss insert only where
// the sports list lacks it.
std::vector<std::string> FirstRunStatements(bool with_novuss) {
  std::vector<std::string> s = {
      "ALTER TABLE dbo.F5bew4sg ADD BetragDerGutschrift  char (1) Null",
      "ALTER TABLE dbo.F5bw4sga ADD BetragDerGutschrift  char (1) Null",
      "ALTER TABLE dbo.F5bew4sg ADD Betrag  numeric (18, 8) Null",
      "UPDATE F5bew4sg SET Betrag=Soll\r\n",
      "UPDATE F5bew4sg SET Betrag=Haben WHERE ISNULL(Betrag,0)=0\r\n",
      "UPDATE F5bew4sg SET Betrag=(-1)*Betrag WHERE BetragDerGutschrift='J'\r\n",
      "ALTER TABLE dbo.F5bw4sga ADD Betrag  numeric (18, 8) Null",
      "UPDATE F5bw4sga SET Betrag=Soll\r\n",
      "UPDATE F5bw4sga SET Betrag=Haben WHERE ISNULL(Betrag,0)=0\r\n",
      "UPDATE F5bw4sga SET Betrag=(-1)*Betrag WHERE BetragDerGutschrift='J'\r\n",
      "ALTER TABLE dbo.Adresse ADD AbwAnrAnsch  varchar (40) Null",
      "ALTER TABLE dbo.Adresse ADD Adresszusatz  varchar (50) Null",
      "ALTER TABLE dbo.Adresse ADD Versandart  varchar (60) Null",
      "ALTER TABLE dbo.Adresse ALTER COLUMN Strasse  Varchar (50) Null",
      // No key statement: a key on the nullable Kennung is always refused.
      Lines({"CREATE TABLE dbo.Versandart (", "[Kennung] [varchar](80) NULL,", ") ON [PRIMARY]"}),
      Lines({"CREATE TABLE dbo.MgKontoUmsOS (",
             "    [LfdNr] [int] NOT NULL,",
             "    [Rbs] [int] NOT NULL,",
             "    [AdrNr] [int] NULL,",
             "    [Jahr] [smallint] NULL,",
             "    [VertragNr] [varchar](10) NULL,",
             "    [Art] [smallint] NULL,",
             "    [Zeitraum] [smallint] NULL,",
             "    [Gespeichert] [varchar](1) NULL,",
             "    [RefDTA] [varchar](40) NULL,",
             "    [Soll] [numeric](19, 8) NOT NULL,",
             "    [Haben] [numeric](19, 8) NOT NULL,",
             "    [KontoNr] [int] NULL,",
             "    [KoSt] [int] NULL,",
             "    [KoTr] [int] NULL,",
             "    [StSchl] [numeric] (19, 2) NULL,",
             " CONSTRAINT [PK_MgKontoUmsOS] PRIMARY KEY CLUSTERED ",
             "(",
             "    [LfdNr] ASC,",
             "    [Rbs] ASC",
             ") ON [PRIMARY]",
             ") "}),
      Lines({"ALTER TABLE [dbo].[MgKontoUmsOS] ADD CONSTRAINT [FK_MgKontoUmsOS_MgKontoUms] "
             "FOREIGN KEY([LfdNr])",
             "REFERENCES [dbo].[MgKontoUms] ([LfdNr])     ", "ON UPDATE CASCADE    ",
             "ON DELETE CASCADE"}),
      "ALTER TABLE dbo.AnlageAbschr ADD Erl  char (1) NULL",
      "ALTER TABLE dbo.AnlageAbschr ADD BenutzerErl  varchar (40) NULL",
      "ALTER TABLE dbo.AnlageAbschr ADD DatumErl  datetime  NULL",
      "ALTER TABLE dbo.AnlageGut ADD AutomatischeVerbuchung  char (1) NULL",
      "ALTER TABLE dbo.AnlageAbschr ADD BuchJahr  smallint  NULL",
      "ALTER TABLE dbo.AnlageAbschr ADD BuchMonat  smallint  NULL",
      "ALTER TABLE dbo.AnlageAbschr ADD BuchInterneNr  int  NULL",
  };
  if (with_novuss) s.push_back(kNovussInsert);
  for (const std::string& text : {
           std::string("ALTER TABLE dbo.PASSDB ADD UmsetzungSportartenHessen  char (1) Null"),
           std::string("ALTER TABLE dbo.tblVersion ADD GuV49Update  bit  NULL"),
           std::string("UPDATE tblVersion SET GuV49Update=1"),
           kCopyUsedLines,
           std::string("CREATE NONCLUSTERED INDEX IX_Erl ON MgKontoUms (Erl)"),
           std::string("CREATE NONCLUSTERED INDEX IX_Auswahl ON MgKontoUms (Auswahl)"),
           std::string("CREATE NONCLUSTERED INDEX IX_Datum ON MgKontoUms (Datum)"),
           std::string("CREATE NONCLUSTERED INDEX IX_OnlineKonto ON MgKontoUms (OnlineKonto)"),
           std::string("CREATE NONCLUSTERED INDEX IX_OnlineBLZ ON MgKontoUms (OnlineBLZ)"),
           std::string("ALTER TABLE dbo.AnlageGut ADD OhneAbschreibung  bit  NULL"),
       }) {
    s.push_back(text);
  }
  s.insert(s.end(), kTrims.begin(), kTrims.end());
  return s;
}

TEST_F(SignedAmountsTest, FirstRunSendsEveryStatementInCatalogueOrder) {
  const bool with_novuss =
      Rows("SELECT COUNT(*) FROM Sportarten WHERE SPORTART='Novuss'") == Table{{"0"}};
  Run({SignedAmountsDispatchAndSportsFixes});
  const std::vector<std::string> expected = FirstRunStatements(with_novuss);
  const std::vector<std::string> executed = Executed();
  for (std::size_t i = 0; i < std::min(expected.size(), executed.size()); ++i) {
    EXPECT_EQ(executed[i], expected[i]) << "statement " << i;
  }
  EXPECT_EQ(executed.size(), expected.size());
  // The two sports-list probes, in their line form; the club's own list is
  // asked for only because the Hessen marker is new.
  const std::vector<std::string> queries = Queries();
  const auto novuss = std::find(queries.begin(), queries.end(), kNovussProbe);
  ASSERT_NE(novuss, queries.end());
  EXPECT_NE(std::find(novuss, queries.end(), kOwnSportsProbe), queries.end());
  EXPECT_EQ(std::count(queries.begin(), queries.end(),
                       "SELECT * FROM sysobjects WHERE "
                       "name='Versandart'"),
            1);
}

TEST_F(SignedAmountsTest, FirstRunDerivesAmountsAndCreatesTablesWithoutDialog) {
  Run({SignedAmountsDispatchAndSportsFixes});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(transcript.With("w failed "), std::vector<std::string>{});

  EXPECT_EQ(Rows("SELECT Betrag FROM F5bew4sg ORDER BY ID"),
            (Table{{"22.25000000"}, {"1.56000000"}, {"500.01000000"}, {"95.00000000"}, {"NULL"}}));
  EXPECT_EQ(Rows("SELECT Betrag FROM F5bw4sga ORDER BY ID"),
            (Table{{"45.00000000"}, {"3.15000000"}, {"250.00000000"}}));

  struct ColumnCase {
    std::string table, column, type, length, nullable;
  };
  const std::vector<ColumnCase> columns = {
      {"F5bew4sg", "BetragDerGutschrift", "char", "1", "YES"},
      {"F5bw4sga", "Betrag", "numeric", "NULL", "YES"},
      {"Adresse", "AbwAnrAnsch", "varchar", "40", "YES"},
      {"Adresse", "Adresszusatz", "varchar", "50", "YES"},
      {"Adresse", "Versandart", "varchar", "60", "YES"},
      {"Adresse", "Strasse", "varchar", "50", "YES"},
      {"Versandart", "Kennung", "varchar", "80", "YES"},
      {"MgKontoUmsOS", "Rbs", "int", "NULL", "NO"},
      {"MgKontoUmsOS", "StSchl", "numeric", "NULL", "YES"},
      {"AnlageAbschr", "BenutzerErl", "varchar", "40", "YES"},
      {"AnlageAbschr", "BuchInterneNr", "int", "NULL", "YES"},
      {"AnlageGut", "AutomatischeVerbuchung", "char", "1", "YES"},
      {"AnlageGut", "OhneAbschreibung", "bit", "NULL", "YES"},
      {"PASSDB", "UmsetzungSportartenHessen", "char", "1", "YES"},
      {"tblVersion", "GuV49Update", "bit", "NULL", "YES"},
  };
  for (const ColumnCase& c : columns) {
    EXPECT_EQ(ColumnShape(c.table, c.column), (Table{{c.type, c.length, c.nullable}}))
        << c.table << "." << c.column;
  }
  EXPECT_EQ(Rows("SELECT NUMERIC_PRECISION, NUMERIC_SCALE FROM Information_Schema.Columns WHERE "
                 "Table_Name='F5bew4sg' AND Column_Name='Betrag'"),
            (Table{{"18", "8"}}));

  // Versandart is left without a key, as in every database that has it.
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM sys.indexes WHERE is_primary_key=1 AND "
                 "OBJECT_NAME(object_id)='Versandart'"),
            (Table{{"0"}}));
  for (const char* name : {"PK_MgKontoUmsOS", "FK_MgKontoUmsOS_MgKontoUms"}) {
    EXPECT_EQ(Rows(std::string("SELECT COUNT(*) FROM sysobjects WHERE name='") + name + "'"),
              (Table{{"1"}}))
        << name;
  }
  for (const char* name : {"IX_Erl", "IX_Auswahl", "IX_Datum", "IX_OnlineKonto", "IX_OnlineBLZ"}) {
    EXPECT_EQ(Rows(std::string("SELECT OBJECT_NAME(id) FROM SysIndexes WHERE name='") + name + "'"),
              (Table{{"MgKontoUms"}}))
        << name;
  }
  EXPECT_EQ(Rows("SELECT KZ, NUMMER, VerbandNr FROM Sportarten WHERE SPORTART='Novuss'"),
            (Table{{"BLSV", "0176", "04"}}));
  // The club has its own sports: the LSB Hessen copy is not made.
  EXPECT_EQ(Rows("SELECT UmsetzungSportartenHessen FROM PASSDB"), (Table{{"NULL"}}));
  EXPECT_EQ(transcript.With("w execute delete from"), std::vector<std::string>{});
  EXPECT_EQ(Rows("SELECT GuV49Update FROM tblVersion"), (Table{{"1"}}));
  EXPECT_EQ(Count("GuVKennz49D"), "70");
  EXPECT_EQ(Rows("SELECT NUMMER, VerbandNr FROM SportartenV ORDER BY NUMMER"),
            (Table{{"0042", "23"}, {"0105", "31"}, {"0201", "40"}}));
  EXPECT_EQ(
      Rows("SELECT COUNT(*) FROM AdrSArt WHERE DATALENGTH(SArt)<>DATALENGTH(LTRIM(RTRIM(SArt))) "
           "OR DATALENGTH(VerbandNr)<>DATALENGTH(LTRIM(RTRIM(VerbandNr)))"),
      (Table{{"0"}}));
}

TEST_F(SignedAmountsTest, SecondRunOnlyTrimsAgain) {
  Prepare({SignedAmountsDispatchAndSportsFixes});
  const std::string before = DatabaseSnapshot();

  Run({SignedAmountsDispatchAndSportsFixes});

  EXPECT_EQ(Executed(), kTrims);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  const std::vector<std::string> queries = Queries();
  EXPECT_EQ(std::count(queries.begin(), queries.end(), kOwnSportsProbe), 0);
  EXPECT_EQ(DatabaseSnapshot(), before);
}

// Betrag is the debit, else the credit (debit null or 0), negated for a
// credit note; the flag column already exists on these databases.
TEST_F(SignedAmountsTest, BetragFollowsDebitCreditAndCreditNote) {
  struct Case {
    const char* soll;
    const char* haben;
    const char* gutschrift;
    const char* betrag;
  };
  const std::vector<Case> cases = {
      {"0", "25", "NULL", "25.00000000"},    {"0", "25", "'J'", "-25.00000000"},
      {"NULL", "25", "'J'", "-25.00000000"}, {"10", "5", "'J'", "-10.00000000"},
      {"10", "5", "'N'", "10.00000000"},     {"NULL", "NULL", "'J'", "NULL"},
      {"NULL", "NULL", "NULL", "NULL"},      {"0", "0", "'J'", "0.00000000"},
      {"0", "NULL", "NULL", "NULL"},
  };
  Prepare({[&](migration::TenantContext& t) {
    for (const char* table : {"F5bew4sg", "F5bw4sga"}) {
      Send(t, std::string("ALTER TABLE ") + table + " ADD BetragDerGutschrift char(1) NULL");
      Send(t, std::string("DELETE FROM ") + table);
      for (const Case& c : cases) {
        Send(t, std::string("INSERT INTO ") + table +
                    " (StapelID, Stapel, Soll, Haben, BetragDerGutschrift) VALUES (9, 'Test', " +
                    c.soll + ", " + c.haben + ", " + c.gutschrift + ")");
      }
    }
  }});
  Run({SignedAmountsDispatchAndSportsFixes});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  for (const char* table : {"F5bew4sg", "F5bw4sga"}) {
    const Table rows = Rows(std::string("SELECT Betrag FROM ") + table + " ORDER BY ID");
    ASSERT_EQ(rows.size(), cases.size()) << table;
    for (std::size_t i = 0; i < cases.size(); ++i) {
      const Case& c = cases[i];
      EXPECT_EQ(rows[i][0], c.betrag)
          << table << ": Soll " << c.soll << ", Haben " << c.haben << ", " << c.gutschrift;
    }
  }
}

// A club that has not chosen its sports yet: LSB Hessen gets the lists of LSB
// Sachsen instead of its own, once.
TEST_F(SignedAmountsTest, EmptyOwnSportsListGivesLsbHessenTheListsOfLsbSachsen) {
  Prepare({[](migration::TenantContext& t) {
    Send(t, "DELETE FROM SportartenV");
    Send(t, "DELETE FROM Sportarten WHERE KZ IN ('LSB Hessen','LSB Sachsen')");
    Send(t, "DELETE FROM fachverbaende WHERE KZ IN ('LSB Hessen','LSB Sachsen')");
    Send(t,
         "INSERT INTO Sportarten (KZ, NUMMER, SPORTART, VerbandNr) VALUES "
         "('LSB Hessen', '0042', 'Fußball alt', '12'), ('LSB Sachsen', '0042', 'Fußball', '07'), "
         "('LSB Sachsen', '0105', 'Turnen', '09')");
    Send(t,
         "INSERT INTO fachverbaende (KZ, NUMMER, FACHVERBAN, Kn) VALUES "
         "('LSB Hessen', '12', 'Hessischer Fußball-Verband', NULL), "
         "('LSB Sachsen', '07', 'Sächsischer Fußball-Verband', 'J'), "
         "('LSB Sachsen', '09', 'Sächsischer Turnverband', NULL)");
  }});
  Run({SignedAmountsDispatchAndSportsFixes});

  const std::vector<std::string> executed = Executed();
  const auto copy =
      std::search(executed.begin(), executed.end(), kHessenCopy.begin(), kHessenCopy.end());
  EXPECT_NE(copy, executed.end());
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(Rows("SELECT NUMMER, SPORTART, VerbandNr FROM Sportarten WHERE KZ='LSB Hessen' "
                 "ORDER BY NUMMER"),
            (Table{{"0042", "Fußball", "07"}, {"0105", "Turnen", "09"}}));
  EXPECT_EQ(Rows("SELECT NUMMER, FACHVERBAN, Kn FROM fachverbaende WHERE KZ='LSB Hessen' "
                 "ORDER BY NUMMER"),
            (Table{{"07", "Sächsischer Fußball-Verband", "J"},
                   {"09", "Sächsischer Turnverband", "NULL"}}));
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM Sportarten WHERE KZ='LSB Sachsen'"), (Table{{"2"}}));
  EXPECT_EQ(Rows("SELECT UmsetzungSportartenHessen FROM PASSDB"), (Table{{"J"}}));

  // The marker column exists now: a changed Hessen list is left alone.
  Prepare({[](migration::TenantContext& t) {
    Send(t, "DELETE FROM Sportarten WHERE KZ='LSB Hessen' AND NUMMER='0105'");
  }});
  Run({SignedAmountsDispatchAndSportsFixes});
  EXPECT_EQ(Executed(), kTrims);
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM Sportarten WHERE KZ='LSB Hessen'"), (Table{{"1"}}));
}

// A club with its own sports keeps the Hessen list, and the copy is never
// tried again, even once its own list is empty.
TEST_F(SignedAmountsTest, OwnSportsKeepLsbHessenForGood) {
  const std::string hessen =
      "SELECT LTRIM(RTRIM(NUMMER)), SPORTART, LTRIM(RTRIM(VerbandNr)) FROM Sportarten WHERE "
      "KZ='LSB Hessen' ORDER BY LfdNr";
  Prepare({[](migration::TenantContext& t) {
    Send(t,
         "INSERT INTO Sportarten (KZ, NUMMER, SPORTART, VerbandNr) VALUES "
         "('LSB Hessen', '9042', 'Eigene Sportart', '12'), "
         "('LSB Sachsen', '9105', 'Turnen', '09')");
  }});
  const Table before = Rows(hessen);
  Run({SignedAmountsDispatchAndSportsFixes});
  EXPECT_EQ(Rows(hessen), before);
  EXPECT_EQ(Rows("SELECT UmsetzungSportartenHessen FROM PASSDB"), (Table{{"NULL"}}));

  Prepare({[](migration::TenantContext& t) { Send(t, "DELETE FROM SportartenV"); }});
  Run({SignedAmountsDispatchAndSportsFixes});
  EXPECT_EQ(Executed(), kTrims);
  EXPECT_EQ(Rows(hessen), before);
}

// The standard chart's lines that accounts use as KennzEUR join the
// association chart, unless a line with that key is there already.
TEST_F(SignedAmountsTest, UsedStandardLinesAreCopiedOnce) {
  Prepare({[](migration::TenantContext& t) {
    Send(t, "DELETE FROM GuVKennzD");
    Send(t,
         "INSERT INTO GuVKennzD (RimNr, Kennz, Nr, Bezeichnung, EA) VALUES "
         "('I','A',1,'Mitgliedsbeiträge','E'), ('I','A',2,'Aufnahmegebühren','E'), "
         "('III','A',6,'Zinserträge','E'), ('II','B',1,'Spenden allgemein','E'), "
         "('IV','B',9,'Kosten Sportveranstaltungen','A'), "
         "('VII','A',12,'Erlöse Vereinsgaststätte','E')");
    Send(t, "UPDATE F5Kont SET KennzEUR=NULL");
    Send(t, "UPDATE F5Kont SET KennzEUR='IA1' WHERE KONTONR=3220");
    Send(t, "UPDATE F5Kont SET KennzEUR=' IVB9 ' WHERE KONTONR=8300");
    Send(t, "UPDATE F5Kont SET KennzEUR='IIIA6' WHERE KONTONR=8305");
    Send(t, "UPDATE F5Kont SET KennzEUR='IIB1' WHERE KONTONR=8400");
    Send(t, "UPDATE F5Kont SET KennzEUR='' WHERE KONTONR=8410");
    Send(t, "UPDATE F5Kont SET KennzEUR='VIIA1' WHERE KONTONR=8340");
  }});
  Run({SignedAmountsDispatchAndSportsFixes});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  // I A 1 and IV B 9 (its key given with blanks) are new; I A 2 and VII A 12
  // are not used; VII A 1 does not exist.
  EXPECT_EQ(Count("GuVKennz49D"), "72");
  EXPECT_EQ(Rows("SELECT RimNr, Kennz, Nr, Bezeichnung, EA FROM GuVKennz49D WHERE "
                 "(RimNr='I') OR (RimNr='IV' AND Kennz='B' AND Nr=9) ORDER BY Nr"),
            (Table{{"I", "A", "1", "Mitgliedsbeiträge", "E"},
                   {"IV", "B", "9", "Kosten Sportveranstaltungen", "A"}}));
  // III A 6 and II B 1 are in the association chart already and keep their names.
  EXPECT_EQ(Rows("SELECT RimNr, Bezeichnung FROM GuVKennz49D WHERE (RimNr='II' AND Kennz='B' AND "
                 "Nr=1) OR (RimNr='III' AND Kennz='A' AND Nr=6) ORDER BY RimNr"),
            (Table{{"II", "Schenkungen"}, {"III", "Sonstige ertragsteuerfreie Einnahmen"}}));
}

// Unguarded steps end the run where they fail.
struct UnguardedCase {
  const char* drop;
  std::string failing;
};

void PrintTo(const UnguardedCase& c, std::ostream* os) { *os << c.drop; }

class SignedAmountsUnguardedTest : public SignedAmountsTest,
                                   public ::testing::WithParamInterface<UnguardedCase> {};

TEST_P(SignedAmountsUnguardedTest, FailureEndsTheRun) {
  const UnguardedCase& c = GetParam();
  Prepare({[&](migration::TenantContext& t) { Send(t, c.drop); }});
  EXPECT_THROW(Run({SignedAmountsDispatchAndSportsFixes}), db::Error);
  ASSERT_FALSE(Executed().empty());
  EXPECT_EQ(Executed().back(), c.failing);
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(MissingTables, SignedAmountsUnguardedTest,
                         ::testing::Values(UnguardedCase{"DROP TABLE dbo.GuVKennzD",
                                                         kCopyUsedLines},
                                           UnguardedCase{"DROP TABLE dbo.AdrSArt", kTrims[2]}));

}  // namespace
}  // namespace quelor::testing
