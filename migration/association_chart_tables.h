// Profit-and-loss keys and account tables of the association chart: the
// sections and columns of its profit-and-loss statement (GuVKennz49) and their
// lines (GuVKennz49D), refilled with the fixed classification when they are new
// or incomplete, and the empty account and tax-key tables F5SKR49 and
// F5DatSKR49, which the reloads of the next segment fill.
#pragma once

#include "migration/catalogue.h"

namespace quelor::migration {

// Third part of Update1. Every statement goes out as lines (CR LF after each)
// and shows the server's text in a warning when it fails; the probes are not
// caught. Both key tables are emptied and refilled when GuVKennz49 lacks
// "Sonstige Zweckbetriebe" or "Ideeller Bereich"; the two renames of old
// "Kontenklasse 6" column names run on every run.
void AssociationChartTables(TenantContext& t);

}  // namespace quelor::migration
