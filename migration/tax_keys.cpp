// Tax keys of the new numbering, the key-figure and profit-and-loss key
// tables, and the monthly amounts of the cost centres.
#include "migration/tax_keys.h"

// Statement texts stay on one line each, as the server receives them.
// clang-format off

namespace quelor::migration {

using db::Policy;

void TaxKeysAndKeyTables(TenantContext& t) {
  // Klasse marks a converted tax-key table: the key rebuild and the new keys
  // of F5Dat happen only in the migration that adds it, never again. Marker
  // and conversion reach the database together: a run stopped in between
  // leaves both to the next run, not a marker without its key.
  t.db.AllOrNothing([&] {
    t.db.AddField("F5Dat", "Klasse", "char", "(1)", "Null");
    if (t.db.ColumnAddedFlag()) {
      // One tax key may now have several rows, told apart by LfdNr.
      t.db.AddField("F5DAT", "LfdNr", "INT", "IDENTITY (1,1)", "NOT NULL");
      t.db.Exec(Policy::kUnguarded, "Alter Table F5DAT Drop Constraint PK_F5DAT");
      t.db.Exec(Policy::kUnguarded, "ALTER TABLE [dbo].[F5DAT] WITH NOCHECK ADD  CONSTRAINT [PK_F5DAT] PRIMARY KEY  CLUSTERED ([STEUERSCHL],[LfdNr])  ON [PRIMARY] ");
      t.db.Exec(Policy::kUnguarded, "UPDATE F5Dat SET STEUERSCHL=19 WHERE STEUERSCHL=1190");
      t.db.Exec(Policy::kUnguarded, "UPDATE F5Dat SET STEUERSCHL=17 WHERE STEUERSCHL=1170");
      t.db.Exec(Policy::kUnguarded, "UPDATE F5Dat SET STEUERSCHL=7 WHERE STEUERSCHL=1070");
      t.db.Exec(Policy::kUnguarded, "UPDATE F5Dat SET STEUERSCHL=16 WHERE STEUERSCHL=1160");
    }
  });
  // Unlike F5Dat, the chart of accounts is converted on every run.
  t.db.Exec(Policy::kUnguarded, "UPDATE F5Kont SET STSCHL=19 WHERE STSCHL=1190");
  t.db.Exec(Policy::kUnguarded, "UPDATE F5Kont SET STSCHL=17 WHERE STSCHL=1170");
  t.db.Exec(Policy::kUnguarded, "UPDATE F5Kont SET STSCHL=7 WHERE STSCHL=1070");
  t.db.Exec(Policy::kUnguarded, "UPDATE F5Kont SET STSCHL=16 WHERE STSCHL=1160");
  t.db.AddField("F5BEW4", "Parent", "int", "", "Null");

  // A new table and its keys reach the database together: a run stopped
  // after the table alone would leave it without them for good.
  if (t.db.TableMissing("F5kennzD")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {"CREATE TABLE dbo.F5kennzD (",
                                        "BILANZ_GUV varchar (6) NOT NULL,",
                                        "KENNZAHLH varchar (4) NOT NULL,",
                                        "Nr int NOT NULL,",
                                        "BEZEICHG varchar (100) NULL)"});
      t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[F5kennzD]  ADD",
                                        "CONSTRAINT [PK_F5kennzD] PRIMARY KEY CLUSTERED",
                                        "([BILANZ_GUV],[KENNZAHLH],[Nr]) ON [PRIMARY]"});
      t.db.ExecLines(Policy::kWarning, {
          "ALTER TABLE [dbo].[F5kennzD]  WITH CHECK ADD  CONSTRAINT [FK_F5kennzD_F5kennz] FOREIGN KEY([BILANZ_GUV],[KENNZAHLH])",
          "REFERENCES [dbo].[F5kennz] ([BILANZ_GUV],[KENNZAHLH])"});
    });
  }
  if (t.db.TableMissing("GuVKennz")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {"CREATE TABLE dbo.GuVKennz (",
                                        "RimNr varchar (4) NOT NULL,",
                                        "Kennz Varchar (1) NOT NULL,",
                                        "Bezeichnung varchar (50) NOT NULL)"});
      t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[GuVKennz]  ADD",
                                        "CONSTRAINT [PK_GuVKennz] PRIMARY KEY CLUSTERED",
                                        "([RimNr],[Kennz]) ON [PRIMARY]"});
    });
  }
  // The heading VII marks a complete set. Without it the table is emptied and
  // refilled; where GuVKennzD hangs on it, the cascade empties that too and
  // the final pass copies its lines again.
  if (t.db.Select("SELECT * FROM GuVKennz WHERE RimNr='VII'").Empty()) {
    t.db.Exec(Policy::kWarning, "DELETE FROM  dbo.GuVKennz");
    t.db.ExecLines(Policy::kWarning, {"INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)", "VALUES ('I','A','Einnahmen')"});
    t.db.ExecLines(Policy::kWarning, {"INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)", "VALUES ('I','B','Ausgaben')"});
    t.db.ExecLines(Policy::kWarning, {"INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)", "VALUES ('II','A','Ideeller Bereich')"});
    t.db.ExecLines(Policy::kWarning, {"INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)", "VALUES ('II','B','Sonstige wirtschaftliche Geschäftsbetriebe')"});
    t.db.ExecLines(Policy::kWarning, {"INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)", "VALUES ('III','A','Einnahmen')"});
    t.db.ExecLines(Policy::kWarning, {"INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)", "VALUES ('III','B','Ausgaben')"});
    t.db.ExecLines(Policy::kWarning, {"INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)", "VALUES ('IV','A','Zweckbetriebe Sport (umsatzsteuerpflichtig)')"});
    t.db.ExecLines(Policy::kWarning, {"INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)", "VALUES ('IV','B','Zweckbetriebe Sport (umsatzsteuerfrei)')"});
    t.db.ExecLines(Policy::kWarning, {"INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)", "VALUES ('V','A','Sonstige Zweckbetriebe (umsatzsteuerpflichtig)')"});
    t.db.ExecLines(Policy::kWarning, {"INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)", "VALUES ('V','B','Sonstige Zweckbetriebe (umsatzsteuerfrei)')"});
    t.db.ExecLines(Policy::kWarning, {"INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)", "VALUES ('VI','A','Geschäftsbetriebe Sport (umsatzsteuerpflichtig)')"});
    t.db.ExecLines(Policy::kWarning, {"INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)", "VALUES ('VI','B','Geschäftsbetriebe Nebentätigkeiten Sport')"});
    t.db.ExecLines(Policy::kWarning, {"INSERT INTO GuVKennz (RimNr, Kennz, Bezeichnung)", "VALUES ('VII','A','Sonstige Geschäftsbetriebe')"});
  }
  t.progress.UpdateProgress();

  // The lines are not written here: the final pass copies them from the
  // system database.
  if (t.db.TableMissing("GuVKennzD")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {"CREATE TABLE dbo.GuVKennzD (",
                                        "RimNr varchar (4) NOT NULL,",
                                        "Kennz Varchar (1) NOT NULL,",
                                        "Nr int NOT NULL,",
                                        "Bezeichnung varchar (50) NOT NULL)"});
      t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[GuVKennzD]  ADD",
                                        "CONSTRAINT [PK_GuVKennzD] PRIMARY KEY CLUSTERED",
                                        "([Nr], [RimNr], [Kennz]) ON [PRIMARY]"});
      t.db.ExecLines(Policy::kWarning, {
          "ALTER TABLE [dbo].[GuVKennzD]  WITH CHECK ADD  CONSTRAINT [FK_GuVKennzD_GuVKennz] FOREIGN KEY([RimNr],[Kennz])",
          "REFERENCES [dbo].[GuVKennz] ([RimNr],[Kennz]) ON UPDATE CASCADE ON DELETE CASCADE"});
    });
  }
  t.progress.UpdateProgress();

  t.db.AddField("F5Kont", "KennzEUR", "varchar", "(7)", "Null");
  t.db.AddField("F6KOST", "JanuarK", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "FebrurarK", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "MarzK", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "AprilK", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "MaiK", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "JuniK", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "JuliK", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "AugustK", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "SeptemberK", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "OktoberK", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "NovemberK", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "DezemberK", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "JanuarE", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "FebrurarE", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "MarzE", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "AprilE", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "MaiE", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "JuniE", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "JuliE", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "AugustE", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "SeptemberE", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "OktoberE", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "NovemberE", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
  t.db.AddField("F6KOST", "DezemberE", "numeric", "(19,8)", "Null");
  t.progress.UpdateProgress();
}

}  // namespace quelor::migration
// clang-format on
