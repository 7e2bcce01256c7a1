// Signed journal amounts, dispatch and standing-order tables, sports-list
// corrections: the split lines of open and archived batches get a signed
// amount Betrag (derived once from debit and credit, negated for credit
// notes), addresses get dispatch columns and the list Versandart, bank-account
// turnovers get their assignments (MgKontoUmsOS), depreciation rows their
// posting columns; the sports lists get Novuss and, once, LSB Hessen a copy of
// the LSB Sachsen lists; the profit-and-loss lines that accounts use are copied
// into the association chart once; sports numbers are trimmed on every run.
#pragma once

#include "migration/catalogue.h"

namespace quelor::migration {

// Fifth part of Update1. The fills of Betrag and the creation of Versandart
// and MgKontoUmsOS warn on failure. Not caught (ending the run): the Novuss
// insert, the LSB Hessen copy with its marker, the GuV49Update marker and the
// copy of the profit-and-loss lines it triggers, and the three trims.
void SignedAmountsDispatchAndSportsFixes(TenantContext& t);

}  // namespace quelor::migration
