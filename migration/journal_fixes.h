// Journal indexes, cash books turned into bank books, the user backup switch,
// budget columns, booking texts, the area-code merge and the two template
// scripts that end the first half of the catalogue's first routine.
#pragma once

#include "migration/catalogue.h"

namespace quelor::migration {

// Indexes and cleans the journal F5BEW4, adds SportartenV.LV,
// PASS.AutoDatSichDeaktiv ('N' once), F6KOST.EtatE/EtatK and GuVKennzD.EA
// (E/A from Kennz once), turns cash books into bank books, normalises three
// booking texts, moves the area code of every address in front of Telefon1,
// then runs Memo1 and Memo2, which rebuild and fill the fourteen account and
// tax-key templates. Updates of the PASS, GuVKennzD and F5BuText data and the
// clearing of the area codes are not caught; the clearing is skipped when
// the merge failed, so no area code is lost. Advances the gauge 4 times.
void JournalFixes(TenantContext& t);

}  // namespace quelor::migration
