// The work that reaches beyond one tenant: the one-time conversion of the
// tax-key columns in every product database after the tenant loop, and the
// copy of the system database's profit-and-loss lines to the tenants.
// FinishAllDatabases and CopyGuvKeyTables are declared in catalogue.h.
#pragma once

#include <string>
#include <string_view>

#include "migration/catalogue.h"

namespace quelor::migration {

// The mark in the system database that the copy of its profit-and-loss lines
// to the tenants is owed: made with the birthday function, dropped with the
// copy.
inline constexpr char kGuvCopyOwedMark[] = "UpdGuVKopie";
inline constexpr char kGuvCopyOwedMarkText[] = "CREATE TABLE dbo.UpdGuVKopie (ID INT NULL)";

// Converts every column of the working connection's database named
// STEUERSCHL or containing "StSchl" to numeric (19,2), keeping its
// nullability. A column in a key or index is refused by the server and stays
// as it was; every failure is dropped.
void WidenTaxKeyColumns(TenantContext& t);

// `name` as a delimited identifier: in brackets, a "]" inside doubled, so a
// database name with blanks or brackets is one name in a statement.
std::string BracketedName(std::string_view name);

}  // namespace quelor::migration
