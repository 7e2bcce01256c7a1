#include "migration/catalogue.h"

#include "migration/account_templates.h"
#include "migration/closing_adjustments.h"
#include "migration/club_settings.h"
#include "migration/dsa_member_data.h"
#include "migration/help_texts_and_version.h"
#include "migration/journal_fixes.h"
#include "migration/sepa_log_and_bank_codes.h"
#include "migration/sepa_mandates.h"
#include "migration/shortcut_refresh.h"
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
  HelpTextsVersionAndOnlineAccounts(t);
  SepaLogOnlineBankingAndBankCodes(t);
  DsaMemberData(t);
  SepaMandates(t);
  // Ends by handing over to the second routine, Update1.
  ClosingAdjustments(t);
}

void Update1(TenantContext& /*context*/) {}

void CopyGuvKeyTables(TenantContext& /*context*/) {}

void FinishAllDatabases(TenantContext& /*context*/) {}

void RefreshShortcuts(platform::Shortcuts& shortcuts, db::StepFeedback& feedback) {
  RefreshShortcutDescriptions(shortcuts, feedback);
}

}  // namespace quelor::migration
