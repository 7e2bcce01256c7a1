// Federation sports lists and one-time reference reloads: the sports of the
// sports-badge list (VerbSportArt) with four-character numbers, section I of
// the association chart's profit-and-loss classification, and the reloads of
// reference data that this release ships, each tied to a marker column of
// PASSDB or EINST: the sports-badge sports and federations, the association
// chart of accounts and its tax keys, the federations and sports of three
// regional bodies, the whole federation list and the bank codes.
#pragma once

#include "migration/catalogue.h"

namespace quelor::migration {

// Runs after the association chart tables are created and before the signed
// journal amounts. A reload runs in the migration that adds its marker column
// and never again. Unguarded: the widening of VerbSportArt.Nummer and the
// padding of its numbers, Adresse.DSASportArt, and the two drops of
// fachverbaende.LfdNr; their failures end the run.
void FederationListsAndReferenceReloads(TenantContext& t);

}  // namespace quelor::migration
