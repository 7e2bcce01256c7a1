#include "migration/catalogue.h"

#include "migration/account_templates.h"
#include "migration/club_settings.h"
#include "migration/journal_fixes.h"
#include "migration/sports_bodies.h"
#include "migration/tax_keys.h"
#include "migration/transfers_and_bank_accounts.h"

namespace quelor::migration {

// The first routine, segment after segment; each begins where the one before
// it ended.
void RunCatalogue(TenantContext& t) {
  ClubSettingsAndAddressFunctions(t);
  TaxKeysAndKeyTables(t);
  AccountTemplates(t);
  JournalFixes(t);
  SportsBodiesAndInvoiceSlots(t);
  TransfersAndBankAccounts(t);
}

void Update1(TenantContext& /*context*/) {}

void FinishAllDatabases(TenantContext& /*context*/) {}

void RefreshShortcuts() {}

}  // namespace quelor::migration
