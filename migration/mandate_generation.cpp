// SEPA mandate generation for direct-debit members without a mandate record.
#include "migration/mandate_generation.h"

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/error.h"
#include "platform/local_time.h"

namespace quelor::migration {
namespace {

// Blanks and control characters off both ends, as the member number is
// trimmed for the key.
std::string Trimmed(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return std::string(text.substr(begin, end - begin));
}

// Today's date without time of day, as the unseparated date text the server
// reads the same way in every language setting.
std::string TodayText() {
  std::time_t now = std::time(nullptr);
  const std::tm local = platform::LocalTime(now);
  char text[9];
  std::strftime(text, sizeof text, "%Y%m%d", &local);
  return text;
}

// The selection of the members who need a mandate. The first piece ends in
// twelve blanks; statement text kept as the program has always sent it.
const char kSelection[] =
    "SELECT A.AdrNr, A.MITGLNR, A.mandatsrefenz,1,A.IBAN1, A.BIC1 FROM Adresse AS A WHERE "
    "A.Austritt IS NULL AND A.Zahlungsart='L'            \r\n"
    "AND ISNULL(AbwKtoInhCB,'')<>'J'  AND ISNULL(A.mandatsrefenz,'')<>'' \r\n"
    "AND A.AdrNr NOT IN (SELECT DISTINCT H.AdrNr FROM AdrSepa AS H WHERE H.AdrNr=A.AdrNr)";

void fAdrSepaGen(TenantContext& t, std::int64_t adr_nr, const std::string& mitgl_nr,
                 const std::string& mandatsrefenz) {
  std::string key = CalcSepaMandatsNr(t, adr_nr, mitgl_nr);
  std::string today = TodayText();
  std::vector<db::ColumnValue> row;
  row.push_back({"AdrNr", adr_nr});
  if (!mandatsrefenz.empty()) row.push_back({"MandatsNr", mandatsrefenz});
  row.push_back({"MandKey", key});
  row.push_back({"Lastschriftart", std::string("Basis")});
  row.push_back({"UnterschriftDatum", today});
  row.push_back({"AngelegtAm", today});
  row.push_back({"Status", std::string("Aktiv")});
  row.push_back({"Typ", std::string("W")});
  row.push_back({"GueltigAb", today});
  t.db.working().InsertRow("AdrSepa", row);
}

}  // namespace

std::string CalcSepaMandatsNr(TenantContext& t, std::int64_t adr_nr, std::string_view mitgl_nr) {
  db::ResultSet count =
      t.db.Select("SELECT COUNT(*)+1 AS MaxBr FROM AdrSepa WHERE AdrNr=" + std::to_string(adr_nr));
  return Trimmed(std::to_string(adr_nr)) + Trimmed(mitgl_nr) + Trimmed(count.AsText(0, "MaxBr"));
}

void pMandatErstellen(TenantContext& t) {
  // A snapshot: rows added in the loop do not change the members visited.
  db::ResultSet members = t.db.Select(kSelection);
  for (std::size_t i = 0; i < members.RecordCount(); ++i) {
    std::optional<std::int64_t> adr_nr = members.AsInteger(i, "AdrNr");
    if (!adr_nr) throw db::Error("AdrNr ohne Wert in der Mandatsauswahl");
    db::ResultSet existing =
        t.db.Select("SELECT * FROM AdrSepa \r\nWHERE AdrNr=" + std::to_string(*adr_nr));
    if (existing.Empty()) {
      fAdrSepaGen(t, *adr_nr, members.AsText(i, "MitglNr"), members.AsText(i, "mandatsrefenz"));
    }
  }
}

}  // namespace quelor::migration
