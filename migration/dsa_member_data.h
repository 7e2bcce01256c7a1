// DSA member data and federation tables: the DSA identifier, member number and
// identity-card columns of the members, the per-member table tblDSA7, the
// stored DSA login, the sports federations (DSAFachverband, loaded once from
// MemoDSAFach), the export table and the members' DSA federation, sport and
// application flags. Also refreshes, on every run, the contribution-type name
// stored with contracts and receivables.
#pragma once

#include "migration/catalogue.h"

namespace quelor::migration {

// Runs on the current tenant database after the SEPA transfer log and bank
// codes. No progress point. A missing MgArt, MgVert or MgSolln (or their
// ArtName) ends the run; creates, keys and the federation load warn.
void DsaMemberData(TenantContext& t);

}  // namespace quelor::migration
