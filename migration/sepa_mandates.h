// SEPA mandates and direct-debit columns: the mandate tables AdrSepa and
// AdrSepaVer, the members' mandate references, the data of a different account
// holder, mandate, IBAN, BIC and usage-date columns on receivables, direct
// debits and invoices, the return-debit reasons, the lead days of first and
// recurring debits and the SEPA indicator of direct debits; ends by creating
// the missing mandates.
#pragma once

#include "migration/catalogue.h"

namespace quelor::migration {

// Runs on the current tenant database after the DSA member data. No progress
// point. Creates and keys warn; every other statement, and the mandate
// generation, ends the run when it fails.
void SepaMandates(TenantContext& t);

}  // namespace quelor::migration
