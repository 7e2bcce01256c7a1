// Fixed assets, letter layout, protocol tables and user rights: the asset
// register with its depreciation tables (the depreciation table loaded once,
// tied to the marker column EINST.Anlage3), the letter layout, the protocol
// of single bookings, the per-user rights table with its rights granted to
// every user, and the columns these features need in existing tables.
#pragma once

#include <string_view>

#include "migration/catalogue.h"

namespace quelor::migration {

// Follows the sports-list keys in Update1. No progress point. The creation of
// the letter layout table shows a failure as an error dialog, the other
// creations and fills warn. Unguarded (ending the run): the one-time copy of
// MONAT into MONATBIS and the rights granted to every user when tblRechte is
// created.
void FixedAssetsLetterLayoutAndRights(TenantContext& t);

// The same with the depreciation table load given instead of the one compiled
// in (insert statements into AnlageTabelle, sent as one command). An empty
// command is not sent.
void FixedAssetsWithDepreciationTable(TenantContext& t, std::string_view anlage_typ);

}  // namespace quelor::migration
