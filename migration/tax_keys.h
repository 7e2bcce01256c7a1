// Tax keys of the new numbering, the key-figure and profit-and-loss key
// tables, and the monthly amounts of the cost centres.
#pragma once

#include "migration/catalogue.h"

namespace quelor::migration {

// Second segment of the first routine. In the migration that adds
// F5Dat.Klasse, F5Dat gets a running number, its primary key on (STEUERSCHL,
// LfdNr) and the new tax keys (1190, 1170, 1070, 1160 become 19, 17, 7, 16);
// F5Kont.STSCHL is converted the same way on every run. Creates F5kennzD,
// GuVKennz (with its 13 headings, refilled whenever the heading VII is
// missing) and GuVKennzD when missing, adds F5BEW4.Parent, F5Kont.KennzEUR and
// the 24 monthly amounts of F6KOST. Advances the gauge 26 times. The key
// rebuild and the conversions are not caught; the create and insert
// statements show a warning.
void TaxKeysAndKeyTables(TenantContext& t);

}  // namespace quelor::migration
