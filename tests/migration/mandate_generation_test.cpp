// SEPA mandate generation on the previous-release tenant after the SEPA
// segment (which already ran it once): which members get a mandate record,
// what it holds, and that the values go in as parameters.
#include "migration/mandate_generation.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "db/error.h"
#include "migration/dsa_member_data.h"
#include "migration/sepa_mandates.h"
#include "platform/local_time.h"
#include "segments_before_dsa.h"

namespace quelor::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;
using db::Policy;

const char kSelection[] =
    "SELECT A.AdrNr, A.MITGLNR, A.mandatsrefenz,1,A.IBAN1, A.BIC1 FROM Adresse AS A WHERE "
    "A.Austritt IS NULL AND A.Zahlungsart='L'            \r\n"
    "AND ISNULL(AbwKtoInhCB,'')<>'J'  AND ISNULL(A.mandatsrefenz,'')<>'' \r\n"
    "AND A.AdrNr NOT IN (SELECT DISTINCT H.AdrNr FROM AdrSepa AS H WHERE H.AdrNr=A.AdrNr)";

std::string Today() {
  std::time_t now = std::time(nullptr);
  const std::tm local = platform::LocalTime(now);
  char text[9];
  std::strftime(text, sizeof text, "%Y%m%d", &local);
  return text;
}

class MandateGenerationTest : public MigrationTest {
 protected:
  void SetUp() override {
    std::vector<Segment> before = SegmentsBeforeDsa();
    before.push_back(migration::DsaMemberData);
    before.push_back(migration::SepaMandates);
    Prepare(before);
  }

  // One member of every kind, on the fixture's addresses: the mandates the
  // SEPA segment made are removed, and only address 9 keeps an older one.
  void PrepareMembersOfEveryKind() {
    Prepare({[](migration::TenantContext& t) {
      auto exec = [&](const char* sql) { t.db.Exec(Policy::kUnguarded, sql); };
      exec("DELETE FROM AdrSepa");
      exec(
          "INSERT INTO AdrSepa (AdrNr, MandatsNr, MandKey, Lastschriftart, Typ, Status) "
          "VALUES (9, 'ALT-9', '91', 'Basis', 'W', 'Aktiv')");
      // Address 7 as the textbook case: reference ABC-1, member 0815.
      exec(
          "UPDATE Adresse SET Zahlungsart='L', MitglNr='0815', mandatsrefenz='ABC-1' "
          "WHERE AdrNr=7");
      // Address 3: no member number, and a quote in the reference.
      exec("UPDATE Adresse SET mandatsrefenz='D''Amico-3' WHERE AdrNr=3");
      exec("UPDATE Adresse SET mandatsrefenz=NULL WHERE AdrNr=1");
      exec("UPDATE Adresse SET mandatsrefenz='' WHERE AdrNr=2");
      exec("UPDATE Adresse SET mandatsrefenz='   ' WHERE AdrNr=5");
      exec("UPDATE Adresse SET AbwKtoInhCB='J' WHERE AdrNr=8");
      // Address 4 pays cash and address 6 has left, as in the fixture.
    }});
  }
};

TEST_F(MandateGenerationTest, CreatesMandatesOnlyForQualifyingMembersWithoutOne) {
  PrepareMembersOfEveryKind();

  Run({migration::pMandatErstellen});

  const std::string today = Today();
  EXPECT_EQ(
      Rows("SELECT AdrNr, MandatsNr, MandKey, Lastschriftart, Typ, Status, "
           "CONVERT(varchar(8), AngelegtAm, 112), CONVERT(varchar(8), UnterschriftDatum, 112), "
           "CONVERT(varchar(8), GueltigAb, 112), GultigBis, ErsteVerwendung, "
           "LetzteVerwendung, WiderrufenAm FROM AdrSepa ORDER BY AdrNr"),
      (Table{{"3", "D'Amico-3", "31", "Basis", "W", "Aktiv", today, today, today, "NULL", "NULL",
              "NULL", "NULL"},
             {"7", "ABC-1", "708151", "Basis", "W", "Aktiv", today, today, today, "NULL", "NULL",
              "NULL", "NULL"},
             {"9", "ALT-9", "91", "Basis", "W", "Aktiv", "NULL", "NULL", "NULL", "NULL", "NULL",
              "NULL", "NULL"}}));
  // Dates only, no time of day.
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM AdrSepa WHERE AngelegtAm <> CAST(CONVERT(varchar(8), "
                 "AngelegtAm, 112) AS datetime)"),
            (Table{{"0"}}));

  // The selection once, then per selected member the check and the count.
  EXPECT_EQ(Queries(),
            (std::vector<std::string>{kSelection, "SELECT * FROM AdrSepa \r\nWHERE AdrNr=3",
                                      "SELECT COUNT(*)+1 AS MaxBr FROM AdrSepa WHERE AdrNr=3",
                                      "SELECT * FROM AdrSepa \r\nWHERE AdrNr=7",
                                      "SELECT COUNT(*)+1 AS MaxBr FROM AdrSepa WHERE AdrNr=7"}));
  EXPECT_EQ(transcript.With("w insert "),
            (std::vector<std::string>{"w insert AdrSepa", "w insert AdrSepa"}));
  EXPECT_EQ(Executed(), std::vector<std::string>{});
}

TEST_F(MandateGenerationTest, SecondRunCreatesNothing) {
  PrepareMembersOfEveryKind();
  Run({migration::pMandatErstellen});
  const std::string after_first = DatabaseSnapshot();
  transcript.lines.clear();

  Run({migration::pMandatErstellen});

  EXPECT_EQ(Queries(), std::vector<std::string>{kSelection});
  EXPECT_EQ(transcript.With("w insert "), std::vector<std::string>{});
  EXPECT_EQ(DatabaseSnapshot(), after_first);
}

TEST_F(MandateGenerationTest, KeyIsAddressMemberNumberAndNextMandateNumber) {
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(Policy::kUnguarded,
              "INSERT INTO AdrSepa (AdrNr, MandatsNr, MandKey, Lastschriftart, Typ, Status) "
              "VALUES (1, 'ALT-1', '100012', 'Basis', 'W', 'Aktiv')");
  }});
  struct Case {
    std::int64_t adr_nr;
    std::string mitgl_nr;
    std::string key;
  };
  const Case cases[] = {
      {7, "0815", "708151"},
      {7, " 0815  ", "708151"},  // member number trimmed
      {7, "", "71"},             // no member number
      {1, "0001", "100013"},     // two mandates already (the SEPA segment's and ALT-1)
  };
  for (const Case& c : cases) {
    Run({[&](migration::TenantContext& t) {
      EXPECT_EQ(migration::CalcSepaMandatsNr(t, c.adr_nr, c.mitgl_nr), c.key)
          << c.adr_nr << " '" << c.mitgl_nr << "'";
    }});
  }
}

// Nothing is caught: a missing column of the selection or of the new row ends
// the run.
class MandateGenerationFailureTest : public MandateGenerationTest,
                                     public ::testing::WithParamInterface<const char*> {};

TEST_P(MandateGenerationFailureTest, EndsTheRun) {
  Prepare({[](migration::TenantContext& t) {
    t.db.Exec(Policy::kUnguarded, "DELETE FROM AdrSepa");
    t.db.Exec(Policy::kUnguarded, GetParam());
  }});
  EXPECT_THROW(Run({migration::pMandatErstellen}), db::Error);
}

INSTANTIATE_TEST_SUITE_P(MissingColumns, MandateGenerationFailureTest,
                         ::testing::Values("ALTER TABLE Adresse DROP COLUMN AbwKtoInhCB",
                                           "ALTER TABLE AdrSepa DROP COLUMN GueltigAb"));

}  // namespace
}  // namespace quelor::testing
