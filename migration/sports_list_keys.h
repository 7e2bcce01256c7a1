// Sports-list keys, due-date function and early column fixes: the sports and
// federation lists get a running number LfdNr and keys on it (rebuilt once,
// tied to the marker column EINST.Kn5a), three regional sports bodies, the
// table function fFalligkeitDatum made anew, wider transfer and sports texts,
// entry and exit date indexes, the follow-up key with LfdNr, the SEPA version
// setting and batch amounts rounded up to whole cents.
#pragma once

#include <string_view>

#include "migration/catalogue.h"

namespace quelor::migration {

// The first steps of Update1. No progress point. Unguarded (ending the run):
// the plain widenings of product tables, the deletes of the rebuild and the
// DROP COLUMN of Sportarten and fachverbaende inside it, the receivable
// names, the SEPA version widening and the two roundings. The sports-list
// script and the due-date function show a failure in a plain message box; the
// new keys and column widenings of the rebuild warn.
void SportsListKeysAndDueDates(TenantContext& t);

// The same with the sports-list script given instead of the one compiled in
// (the text that fills Sportarten and Fachverbaende with explicit LfdNr
// values, sent as one command). An empty script is not sent.
void SportsListKeysWithScript(TenantContext& t, std::string_view memo_sport_2014);

}  // namespace quelor::migration
