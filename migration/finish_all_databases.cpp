// Pass over all product databases and the copy of the profit-and-loss lines.
#include "migration/finish_all_databases.h"

#include "db/result_set.h"

namespace quelor::migration {

using db::Policy;

std::string BracketedName(std::string_view name) {
  std::string out = "[";
  for (char c : name) {
    out.push_back(c);
    if (c == ']') out.push_back(']');
  }
  out.push_back(']');
  return out;
}

void FinishAllDatabases(TenantContext& t) {
  t.run.pConn("Quelor");
  // Temporary databases are included: they are not migrated, but their tax
  // keys must fit the program as well.
  const db::ResultSet databases = t.run.QueryCatalogue(
      "SELECT name FROM master.dbo.sysdatabases where UPPER(name) LIKE 'QUELOR%'");
  for (std::size_t row = 0; row < databases.RecordCount(); ++row) {
    const std::string name = databases.AsText(row, "name");
    t.run.SetCaption("Quelor vereinsverwaltung - SQL Update Datenbank: " + name);
    t.run.MandantChange(name);
    // UpdS is created first: a conversion that fails half-way is not tried
    // again. The marker and the conversion reach the database together, so
    // a run stopped in between leaves the whole conversion to the next run.
    if (t.db.TableMissing("UpdS")) {
      t.db.AllOrNothing([&] {
        t.db.ExecLines(Policy::kIgnored,
                       {"CREATE TABLE dbo.UpdS (", "ID INT IDENTITY (1,1) NOT NULL)"});
        // The tax key is part of the key of F5Dat: the key is dropped around
        // the conversion and added again.
        t.db.ExecLines(Policy::kIgnored, {"ALTER TABLE F5Dat DROP CONSTRAINT PK_F5DAT"});
        t.db.ExecLines(Policy::kIgnored,
                       {"ALTER TABLE F5Dat ALTER COLUMN STEUERSCHL NUMERIC (19,2) NOT NULL"});
        t.db.ExecLines(Policy::kIgnored, {"ALTER TABLE F5Dat ADD CONSTRAINT PK_F5DAT PRIMARY KEY "
                                          "CLUSTERED (STEUERSCHL, LFDNR) ON [PRIMARY]"});
        WidenTaxKeyColumns(t);
      });
    }
  }
}

void WidenTaxKeyColumns(TenantContext& t) {
  // LIKE follows the database's collation: case-insensitive, it also finds
  // KtoStSchl or STSCHL.
  const db::ResultSet columns = t.db.Select(db::JoinCrLf({
      "SELECT tbl.name AS TableName, clmns.name AS FieldName, tps.name AS DataType, clmns.length "
      "As DataLength, clmns.isnullable",
      "FROM dbo.sysobjects AS tbl",
      "INNER JOIN syscolumns  AS clmns ON clmns.id=tbl.id",
      "LEFT OUTER JOIN systypes AS tps ON tps.xtype=clmns.xtype",
      "WHERE (UPPER(clmns.name))='STEUERSCHL' OR (UPPER(clmns.name) LIKE '%StSchl%' ) ",
      "ORDER BY tbl.name,clmns.name ASC",
  }));
  for (std::size_t row = 0; row < columns.RecordCount(); ++row) {
    const bool nullable = columns.AsInteger(row, "isnullable").value_or(0) != 0;
    t.db.Exec(Policy::kIgnored, "SET ANSI_WARNINGS OFF ");
    t.db.Exec(Policy::kIgnored, "ALTER TABLE " + columns.AsText(row, "TableName") +
                                    " ALTER COLUMN " + columns.AsText(row, "FieldName") +
                                    " numeric (19,2)" + (nullable ? " NULL" : " NOT NULL"));
    t.db.Exec(Policy::kIgnored, "SET ANSI_WARNINGS ON ");
  }
}

void CopyGuvKeyTables(TenantContext& t) {
  // Every tenant of the update loop except the system database itself.
  const db::ResultSet tenants = t.db.Select(
      "SELECT name FROM master.dbo.sysdatabases\n"
      "where UPPER(name) LIKE 'QUELOR%'\n"
      "AND UPPER(name) <> 'QUELOR'\n"
      "AND UPPER(SUBSTRING(name,7,3))<>'TMP'\n");
  // All tenants get their lines, and the mark that the copy is owed goes,
  // together: a run stopped in the middle leaves the whole copy owed.
  t.db.AllOrNothing([&] {
    for (std::size_t row = 0; row < tenants.RecordCount(); ++row) {
      // A tenant name may hold blanks or other characters that end a plain
      // name; in brackets it stays one name.
      const std::string tenant = BracketedName(tenants.AsText(row, "name"));
      // The tenant's lines are replaced completely by those of the system
      // database.
      t.db.ExecLines(Policy::kWarning, {"DELETE FROM " + tenant + ".dbo.GuVKennzD"});
      t.db.ExecLines(
          Policy::kWarning,
          {"INSERT INTO " + tenant + ".dbo.GuVKennzD (RimNr, Kennz, Nr, Bezeichnung, EA)",
           "SELECT RimNr, Kennz, Nr, Bezeichnung, EA FROM Quelor.dbo.GuVKennzD"});
      t.db.ExecLines(Policy::kWarning, {"DELETE FROM " + tenant + ".dbo.GuVKennz49D"});
      t.db.ExecLines(
          Policy::kWarning,
          {"INSERT INTO " + tenant + ".dbo.GuVKennz49D (RimNr, Kennz, Nr, Bezeichnung, EA)",
           "SELECT RimNr, Kennz, Nr, Bezeichnung, EA FROM Quelor.dbo.GuVKennz49D"});
    }
    if (!t.db.TableMissing(kGuvCopyOwedMark)) {
      t.db.Exec(Policy::kUnguarded, "DROP TABLE dbo." + std::string(kGuvCopyOwedMark));
    }
  });
}

}  // namespace quelor::migration
