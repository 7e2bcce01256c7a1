// Club settings, address columns and address functions on a tenant of the
// previous release: what goes to the server, what the tenant looks like
// afterwards, and that a second run changes nothing.
#include "migration/club_settings.h"

#include <algorithm>
#include <string>
#include <vector>

#include "migration_fixture.h"

namespace quelor::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;

constexpr char kProgress[] = "progress";

class ClubSettingsTest : public MigrationTest {
 protected:
  // The commands sent and the progress advances, in the order they happened.
  std::vector<std::string> CommandsAndProgress() const {
    std::vector<std::string> steps;
    for (const std::string& line : transcript.lines) {
      if (line == kProgress) steps.push_back(line);
      if (line.rfind("w execute ", 0) == 0) steps.push_back(line.substr(10));
    }
    return steps;
  }

  // The last `count` columns of a table in their order: name, type, length,
  // precision, scale, nullability.
  Table LastColumns(const std::string& table, std::size_t count) {
    Table columns = Rows(
        "SELECT COLUMN_NAME, DATA_TYPE, CHARACTER_MAXIMUM_LENGTH, NUMERIC_PRECISION, "
        "NUMERIC_SCALE, IS_NULLABLE FROM Information_Schema.Columns WHERE Table_Name='" +
        table + "' ORDER BY ORDINAL_POSITION");
    if (columns.size() > count)
      columns.erase(columns.begin(), columns.end() - static_cast<std::ptrdiff_t>(count));
    return columns;
  }
};

TEST_F(ClubSettingsTest, FirstRunSendsTheStepsInOrder) {
  Run({migration::ClubSettingsAndAddressFunctions});

  const std::vector<std::string> expected = {
      kProgress,
      "ALTER TABLE dbo.Mandstam ADD VereinUebUntgliedAbt  smallint  Null",
      kProgress,
      "ALTER TABLE dbo.Mandstam ADD Mitgliederverwaltung  char (1) Null",
      kProgress,
      "ALTER TABLE dbo.Mandstam ADD Beitragseinzug  char (1) Null",
      kProgress,
      "ALTER TABLE dbo.Mandstam ADD Finanzbuchaltung  char (1) Null",
      kProgress,
      "ALTER TABLE dbo.Mandstam ADD FinanzbuchaltungMitKoSt  char (1) Null",
      kProgress,
      "ALTER TABLE dbo.Mandstam ADD VereinUMStPflichtig  char (1) Null",
      "ALTER TABLE dbo.Mandstam ADD Vereinsart  char (1) Null",
      kProgress,
      "ALTER TABLE dbo.inter ADD Nr  Int  Null",
      "ALTER TABLE dbo.Adresse ADD IBAN1  varchar (40) Null",
      "ALTER TABLE dbo.Adresse ADD IBAN2  varchar (40) Null",
      "ALTER TABLE dbo.Adresse ADD IBAN3  varchar (40) Null",
      "ALTER TABLE dbo.Adresse ADD BIC1  varchar (40) Null",
      "ALTER TABLE dbo.Adresse ADD BIC2  varchar (40) Null",
      "ALTER TABLE dbo.Adresse ADD BIC3  varchar (40) Null",
      "ALTER TABLE dbo.Adresse ADD Vorwahl2  varchar (10) Null",
      "ALTER TABLE dbo.Adresse ADD Vorwahl3  varchar (10) Null",
      "ALTER TABLE dbo.Adresse ADD Vorwahl4  varchar (10) Null",
      "ALTER TABLE dbo.Inter ADD Landesverband  varchar (30) Null",
      "ALTER TABLE dbo.Inter ADD VerbandNr  integer  Null",
      "ALTER TABLE dbo.Interes ADD Eintritt  datetime  Null",
      "ALTER TABLE dbo.Interes ADD Austritt  datetime  Null",
      "ALTER TABLE dbo.Interes ADD Status  varchar (50) Null",
      kProgress,
      "ALTER TABLE dbo.HyAdresse ADD IBAN1  varchar (40) Null",
      "ALTER TABLE dbo.HyAdresse ADD IBAN2  varchar (40) Null",
      "ALTER TABLE dbo.HyAdresse ADD IBAN3  varchar (40) Null",
      "ALTER TABLE dbo.HyAdresse ADD BIC1  varchar (40) Null",
      "ALTER TABLE dbo.HyAdresse ADD BIC2  varchar (40) Null",
      "ALTER TABLE dbo.HyAdresse ADD BIC3  varchar (40) Null",
      "ALTER TABLE dbo.HyAdresse ADD Vorwahl2  varchar (10) Null",
      "ALTER TABLE dbo.HyAdresse ADD Vorwahl3  varchar (10) Null",
      "ALTER TABLE dbo.HyAdresse ADD Vorwahl4  varchar (10) Null",
      "ALTER TABLE dbo.F5Kont ADD Steuersammelkonto  varchar (1) Null",
      kProgress,
      "ALTER TABLE dbo.F6KOST ADD Kostenart  varchar (10) Null",
      kProgress,
      "ALTER TABLE dbo.F6KOST ADD Etat  numeric (18,8) Null",
      kProgress,
      "CREATE TABLE dbo.AdrFunktion (\r\n"
      "AdrNr integer NOT NULL,\r\n"
      "Funktion Varchar(80) NOT NULL,\r\n"
      "Nr integer NULL,\r\n"
      "DatumVon datetime NULL,\r\n"
      "DatumBis datetime NULL)\r\n",
      "ALTER TABLE [dbo].[AdrFunktion]  ADD\r\n"
      "CONSTRAINT [PK_AdrFunktion] PRIMARY KEY CLUSTERED\r\n"
      "([AdrNr],[Funktion]) ON [PRIMARY]\r\n",
      "ALTER TABLE [dbo].[AdrFunktion]  WITH CHECK ADD  CONSTRAINT [FK_AdrFunktion_Adresse] "
      "FOREIGN KEY([AdrNr])\r\n"
      "REFERENCES [dbo].[Adresse] ([AdrNr])\r\n",
      "INSERT INTO AdrFunktion (AdrNr, Funktion, Nr)\r\n"
      "SELECT AdrNr, Funktion, 1 FROM Adresse WHERE (Funktion IS NOT NULL AND Funktion<>'')\r\n",
      kProgress,
      "ALTER TABLE dbo.Interes1 ADD Nr  integer  Null",
      kProgress,
      "ALTER TABLE dbo.Interes1 ADD Datum  datetime  Null",
      kProgress,
  };
  const std::vector<std::string> actual = CommandsAndProgress();
  ASSERT_EQ(actual.size(), expected.size()) << transcript.Dump();
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i], expected[i]) << "entry " << i;
  }
  EXPECT_EQ(progress_count(), 14);
  const std::vector<std::string> queries = Queries();
  EXPECT_EQ(std::count(queries.begin(), queries.end(),
                       "SELECT * FROM sysobjects WHERE name='AdrFunktion'"),
            1);
}

TEST_F(ClubSettingsTest, FirstRunAddsTheColumnsAndCopiesTheFunctions) {
  Run({migration::ClubSettingsAndAddressFunctions});
  EXPECT_EQ(Dialogs(), std::vector<std::string>{}) << transcript.Dump();

  const Table address_columns = {
      {"IBAN1", "varchar", "40", "NULL", "NULL", "YES"},
      {"IBAN2", "varchar", "40", "NULL", "NULL", "YES"},
      {"IBAN3", "varchar", "40", "NULL", "NULL", "YES"},
      {"BIC1", "varchar", "40", "NULL", "NULL", "YES"},
      {"BIC2", "varchar", "40", "NULL", "NULL", "YES"},
      {"BIC3", "varchar", "40", "NULL", "NULL", "YES"},
      {"Vorwahl2", "varchar", "10", "NULL", "NULL", "YES"},
      {"Vorwahl3", "varchar", "10", "NULL", "NULL", "YES"},
      {"Vorwahl4", "varchar", "10", "NULL", "NULL", "YES"},
  };
  struct Added {
    const char* table;
    Table columns;  // name, type, length, precision, scale, nullability
  };
  const Added added[] = {
      {"Mandstam",
       {{"VereinUebUntgliedAbt", "smallint", "NULL", "5", "0", "YES"},
        {"Mitgliederverwaltung", "char", "1", "NULL", "NULL", "YES"},
        {"Beitragseinzug", "char", "1", "NULL", "NULL", "YES"},
        {"Finanzbuchaltung", "char", "1", "NULL", "NULL", "YES"},
        {"FinanzbuchaltungMitKoSt", "char", "1", "NULL", "NULL", "YES"},
        {"VereinUMStPflichtig", "char", "1", "NULL", "NULL", "YES"},
        {"Vereinsart", "char", "1", "NULL", "NULL", "YES"}}},
      {"Adresse", address_columns},
      {"HyAdresse", address_columns},
      {"Inter",
       {{"Nr", "int", "NULL", "10", "0", "YES"},
        {"Landesverband", "varchar", "30", "NULL", "NULL", "YES"},
        {"VerbandNr", "int", "NULL", "10", "0", "YES"}}},
      {"Interes",
       {{"Eintritt", "datetime", "NULL", "NULL", "NULL", "YES"},
        {"Austritt", "datetime", "NULL", "NULL", "NULL", "YES"},
        {"Status", "varchar", "50", "NULL", "NULL", "YES"}}},
      {"Interes1",
       {{"Nr", "int", "NULL", "10", "0", "YES"},
        {"Datum", "datetime", "NULL", "NULL", "NULL", "YES"}}},
      {"F5Kont", {{"Steuersammelkonto", "varchar", "1", "NULL", "NULL", "YES"}}},
      {"F6KOST",
       {{"Kostenart", "varchar", "10", "NULL", "NULL", "YES"},
        {"Etat", "numeric", "NULL", "18", "8", "YES"}}},
      {"AdrFunktion",
       {{"AdrNr", "int", "NULL", "10", "0", "NO"},
        {"Funktion", "varchar", "80", "NULL", "NULL", "NO"},
        {"Nr", "int", "NULL", "10", "0", "YES"},
        {"DatumVon", "datetime", "NULL", "NULL", "NULL", "YES"},
        {"DatumBis", "datetime", "NULL", "NULL", "NULL", "YES"}}},
  };
  for (const Added& a : added) {
    EXPECT_EQ(LastColumns(a.table, a.columns.size()), a.columns) << a.table;
  }
  // AdrFunktion has exactly its five columns.
  EXPECT_EQ(LastColumns("AdrFunktion", 99).size(), 5u);

  // Primary key on (AdrNr, Funktion), clustered; the foreign key to Adresse.
  EXPECT_EQ(
      Rows("SELECT i.name, i.type_desc, c.name FROM sys.indexes i "
           "JOIN sys.index_columns ic ON i.object_id = ic.object_id AND i.index_id = ic.index_id "
           "JOIN sys.columns c ON c.object_id = ic.object_id AND c.column_id = ic.column_id "
           "WHERE i.is_primary_key = 1 AND OBJECT_NAME(i.object_id) = 'AdrFunktion' "
           "ORDER BY ic.key_ordinal"),
      (Table{{"PK_AdrFunktion", "CLUSTERED", "AdrNr"},
             {"PK_AdrFunktion", "CLUSTERED", "Funktion"}}));
  EXPECT_EQ(Rows("SELECT xtype, OBJECT_NAME(parent_obj) FROM sysobjects "
                 "WHERE name='FK_AdrFunktion_Adresse'"),
            (Table{{"F ", "AdrFunktion"}}));
  EXPECT_THROW(Rows("INSERT INTO AdrFunktion (AdrNr, Funktion) VALUES (99, 'Kassenprüfer')"),
               db::Error);

  // Addresses 1, 2, 6, 7, 8 carry a function; 3 has an empty one, 4, 5, 9 none.
  EXPECT_EQ(Rows("SELECT AdrNr, Funktion, Nr, DatumVon, DatumBis FROM AdrFunktion ORDER BY AdrNr"),
            (Table{{"1", "1. Vorsitzender", "1", "NULL", "NULL"},
                   {"2", "Kassenwartin", "1", "NULL", "NULL"},
                   {"6", "Ehrenmitglied", "1", "NULL", "NULL"},
                   {"7", "Sponsor", "1", "NULL", "NULL"},
                   {"8", "Jugendwartin", "1", "NULL", "NULL"}}));
}

TEST_F(ClubSettingsTest, SecondRunChangesNothing) {
  Prepare({migration::ClubSettingsAndAddressFunctions});
  const std::string before = DatabaseSnapshot();

  Run({migration::ClubSettingsAndAddressFunctions});

  EXPECT_EQ(Executed(), std::vector<std::string>{}) << transcript.Dump();
  EXPECT_EQ(Dialogs(), std::vector<std::string>{});
  EXPECT_EQ(progress_count(), 14);
  EXPECT_EQ(DatabaseSnapshot(), before);
}

TEST_F(ClubSettingsTest, ExistingFunctionTableGetsNoCopy) {
  // A tenant that already has the table, even empty, keeps it as it is.
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(
        db::Policy::kUnguarded,
        "CREATE TABLE dbo.AdrFunktion (AdrNr integer NOT NULL, Funktion Varchar(80) NOT NULL, "
        "Nr integer NULL, DatumVon datetime NULL, DatumBis datetime NULL)");
  }});

  Run({migration::ClubSettingsAndAddressFunctions});

  for (const std::string& text : Executed()) {
    EXPECT_EQ(text.find("AdrFunktion"), std::string::npos) << text;
  }
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM AdrFunktion"), (Table{{"0"}}));
  EXPECT_EQ(progress_count(), 14);
}

// The statements of the AdrFunktion block are independent: a tenant that
// cannot take one of them gets its warning, and the next statements and steps
// still run.
struct FunctionBlockCase {
  const char* name;
  const char* preparation;
  const char* dialog;
  const char* copied;  // AdrFunktion rows afterwards
};

class ClubSettingsWarningTest : public ClubSettingsTest,
                                public ::testing::WithParamInterface<FunctionBlockCase> {};

TEST_P(ClubSettingsWarningTest, FailureWarnsAndTheRunGoesOn) {
  const FunctionBlockCase& c = GetParam();
  Prepare({[&](migration::TenantContext& t) { t.db.Exec(db::Policy::kUnguarded, c.preparation); }});

  Run({migration::ClubSettingsAndAddressFunctions});

  EXPECT_EQ(Dialogs(), std::vector<std::string>{c.dialog}) << transcript.Dump();
  EXPECT_EQ(Executed().back(), "ALTER TABLE dbo.Interes1 ADD Datum  datetime  Null");
  EXPECT_EQ(progress_count(), 14);
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM AdrFunktion"), (Table{{c.copied}}));
}

INSTANTIATE_TEST_SUITE_P(
    Tenants, ClubSettingsWarningTest,
    ::testing::Values(
        // The foreign key needs a key on Adresse.AdrNr; the copy still runs.
        FunctionBlockCase{"AddressesWithoutPrimaryKey",
                          "ALTER TABLE Adresse DROP CONSTRAINT PK_Adresse",
                          "dialog warning: There are no primary or candidate keys in the "
                          "referenced table 'dbo.Adresse' that match the referencing column list "
                          "in the foreign key 'FK_AdrFunktion_Adresse'.",
                          "5"},
        // Nothing to copy from: the table stays empty.
        FunctionBlockCase{"AddressesWithoutFunctionText",
                          "ALTER TABLE Adresse DROP COLUMN Funktion",
                          "dialog warning: Invalid column name 'Funktion'.", "0"}),
    [](const ::testing::TestParamInfo<FunctionBlockCase>& case_info) {
      return std::string(case_info.param.name);
    });

}  // namespace
}  // namespace quelor::testing
