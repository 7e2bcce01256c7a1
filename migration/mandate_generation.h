// SEPA mandate generation: a mandate record in AdrSepa for every active member
// who pays by direct debit from an own account, has a mandate reference and
// has no mandate record yet.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "migration/catalogue.h"

namespace quelor::migration {

// Appends one AdrSepa row per qualifying member (AdrNr, MandatsNr = the
// member's mandatsrefenz, MandKey from CalcSepaMandatsNr, "Basis", "Aktiv",
// "W", today's date in AngelegtAm, UnterschriftDatum and GueltigAb). The row
// goes out through the parameterised single-row insert. Runs on every update
// run; a member gets a row only while he has none. Nothing is caught: a
// failing query or insert ends the run.
void pMandatErstellen(TenantContext& t);

// The mandate key: the address number, the member number with blanks trimmed
// and the number of the member's AdrSepa rows plus one, run together
// (address 7, member 0815, no mandate yet: "708151").
std::string CalcSepaMandatsNr(TenantContext& t, std::int64_t adr_nr, std::string_view mitgl_nr);

}  // namespace quelor::migration
