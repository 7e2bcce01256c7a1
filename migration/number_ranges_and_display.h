// Number ranges, display settings, text widths, the birthday function and the
// last indexes: the end of the second routine. Document number ranges are
// reset from the invoices, stale contribution kinds removed and the gender
// field Betreung derived from the salutation on every run; the button skin,
// panel colours, user code flag, tax-exemption notice fields of the club
// master, wider invoice and booking texts, bookkeeping columns of bank
// turnovers and three compound indexes come once.
#pragma once

#include "migration/catalogue.h"

namespace quelor::migration {

// Last segment of Update1; with it the tenant's migration ends. Unguarded:
// the number range, MgArtDat and Betreung corrections of every run (a tenant
// without Rechn, MgArtDat or Adresse.Betreung cannot pass them) and the
// one-time fills. When it creates fnDays2NextBirthday in the system database
// it asks the run for the copy of the profit-and-loss lines to every tenant.
void NumberRangesDisplayAndLastIndexes(TenantContext& t);

}  // namespace quelor::migration
