// The fourteen chart-of-accounts templates, one account template and one
// tax-key template for each of the seven kinds of club.
#pragma once

#include "migration/catalogue.h"

namespace quelor::migration {

// Creates each template table that is missing, empty, with its clustered
// primary key; a failed create or key shows a warning, a failed probe is not
// caught. The rows come later from the scripts Memo1 and Memo2 (see
// JournalFixes), which drop and re-create the tables on every run.
// Advances the gauge 15 times.
void AccountTemplates(TenantContext& t);

}  // namespace quelor::migration
