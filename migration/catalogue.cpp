#include "migration/catalogue.h"

#include "migration/club_settings.h"
#include "migration/tax_keys.h"

namespace quelor::migration {

// The first routine, segment after segment; each begins where the one before
// it ended.
void RunCatalogue(TenantContext& t) {
  ClubSettingsAndAddressFunctions(t);
  TaxKeysAndKeyTables(t);
}

void Update1(TenantContext& /*context*/) {}

void FinishAllDatabases(TenantContext& /*context*/) {}

void RefreshShortcuts() {}

}  // namespace quelor::migration
