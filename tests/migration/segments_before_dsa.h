// The segments of the first routine that run before the DSA member data, for
// tests that start where the DSA, SEPA and closing segments start.
#pragma once

#include <vector>

#include "migration/account_templates.h"
#include "migration/club_settings.h"
#include "migration/help_texts_and_version.h"
#include "migration/journal_fixes.h"
#include "migration/sepa_log_and_bank_codes.h"
#include "migration/sports_bodies.h"
#include "migration/tax_keys.h"
#include "migration/transfers_and_bank_accounts.h"
#include "migration_fixture.h"

namespace quelor::testing {

inline std::vector<Segment> SegmentsBeforeDsa() {
  return {migration::ClubSettingsAndAddressFunctions,
          migration::TaxKeysAndKeyTables,
          migration::AccountTemplates,
          migration::JournalFixes,
          migration::SportsBodiesAndInvoiceSlots,
          migration::TransfersAndBankAccounts,
          migration::HelpTextsVersionAndOnlineAccounts,
          migration::SepaLogOnlineBankingAndBankCodes};
}

}  // namespace quelor::testing
