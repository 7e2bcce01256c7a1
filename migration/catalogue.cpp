#include "migration/catalogue.h"

#include "migration/account_templates.h"
#include "migration/association_chart_tables.h"
#include "migration/closing_adjustments.h"
#include "migration/club_settings.h"
#include "migration/dsa_member_data.h"
#include "migration/federation_lists_and_reloads.h"
#include "migration/fixed_assets_and_rights.h"
#include "migration/help_texts_and_version.h"
#include "migration/journal_fixes.h"
#include "migration/number_ranges_and_display.h"
#include "migration/sepa_log_and_bank_codes.h"
#include "migration/sepa_mandates.h"
#include "migration/shortcut_refresh.h"
#include "migration/signed_amounts_and_dispatch.h"
#include "migration/sports_bodies.h"
#include "migration/sports_list_keys.h"
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

// The second routine, segment after segment; its last step ends the tenant's
// migration.
void Update1(TenantContext& t) {
  SportsListKeysAndDueDates(t);
  FixedAssetsLetterLayoutAndRights(t);
  AssociationChartTables(t);
  FederationListsAndReferenceReloads(t);
  SignedAmountsDispatchAndSportsFixes(t);
  NumberRangesDisplayAndLastIndexes(t);
}

void RefreshShortcuts(platform::Shortcuts& shortcuts, db::StepFeedback& feedback) {
  RefreshShortcutDescriptions(shortcuts, feedback);
}

}  // namespace quelor::migration
