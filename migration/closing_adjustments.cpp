// Closing adjustments, due dates and the hand-over to the second routine.
#include "migration/closing_adjustments.h"

namespace quelor::migration {

using db::Policy;

void ClosingAdjustmentsBeforeUpdate1(TenantContext& t) {
  // No handler on the two Druck fills: a database without the table has its
  // column reported as added, and the fill then ends the run. Each marker
  // column here reaches the database together with its fill.
  t.db.AllOrNothing([&] {
    t.db.AddField("f5bew4sg", "Druck", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE f5bew4sg SET Druck='N'");
    }
  });
  t.db.AllOrNothing([&] {
    t.db.AddField("f5bw4sgA", "Druck", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "UPDATE f5bw4sgA SET Druck='N'");
    }
  });

  t.db.AllOrNothing([&] {
    t.db.AddField("EINST", "Firma4Vor", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kMessage, "UPDATE EINST SET Firma4Vor='J'");
    }
  });

  // The foreign key comes with the address functions at the start of the
  // first routine, WITH CHECK for the rows copied then, and is dropped here
  // again: keep both. DropConstraint warns about a failed drop itself; only
  // its probe can fail past it.
  t.db.RunUnder(Policy::kMessage,
                [&] { t.db.DropConstraint("AdrFunktion", "FK_AdrFunktion_Adresse"); });

  t.db.AddField("SEPA_Protokol", "IBAN", "varchar", "(35)", "NULL");
  t.db.AddField("SEPA_Protokol", "BIC", "varchar", "(35)", "NULL");
  t.db.Exec(Policy::kMessage,
            "ALTER TABLE dbo.mandstam ALTER COLUMN GlaeubigerId varchar(35) Null");

  // Every run: the outdated BIC of the bank-code table and of the first bank
  // slot of the addresses; BIC2 and BIC3 are not touched.
  t.db.Exec(Policy::kMessage, "UPDATE D_BLZ SET BIC='COBADEFFXXX' WHERE BIC='COBADEFF570'");
  t.db.Exec(Policy::kMessage, "UPDATE Adresse SET BIC1='COBADEFFXXX' WHERE BIC1='COBADEFF570'");

  t.db.AddField("EINST", "MaxAnzLastProXmlDatei", "int", "", "NULL");
  t.db.Exec(Policy::kMessage,
            "ALTER TABLE dbo.SportartenV ALTER COLUMN SPORTART varchar(120) Null");
  t.db.Exec(Policy::kMessage, "ALTER TABLE dbo.ADRSART ALTER COLUMN SPORTART varchar(120) Null");

  t.db.AddField("Mgart", "FalligkeitDatum1", "DateTime", "", "NULL");
  t.db.AddField("Mgart", "FalligkeitDatum2", "DateTime", "", "NULL");
  t.db.AddField("Mgart", "FalligkeitDatum3", "DateTime", "", "NULL");
  t.db.AddField("Mgart", "FalligkeitDatum4", "DateTime", "", "NULL");
  t.db.AddField("Mgart", "FalligkeitTag", "int", "", "NULL");
  t.db.AddField("MgVert", "FalligkeitDatum1", "DateTime", "", "NULL");
  t.db.AddField("MgVert", "FalligkeitDatum2", "DateTime", "", "NULL");
  t.db.AddField("MgVert", "FalligkeitDatum3", "DateTime", "", "NULL");
  t.db.AddField("MgVert", "FalligkeitDatum4", "DateTime", "", "NULL");
  t.db.AddField("MgVert", "FalligkeitTag", "int", "", "NULL");
  t.db.AddField("MgSolln", "FalligkeitDatum", "DateTime", "", "NULL");

  t.db.AllOrNothing([&] {
    t.db.AddField("EINST", "AutoShowFalligBeitrag", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kMessage, "UPDATE EINST SET AutoShowFalligBeitrag='J'");
    }
  });
  t.db.AddField("MgLast", "FalligkeitDatum", "datetime", "", "Null");
  t.db.AllOrNothing([&] {
    t.db.AddField("f5kasses", "BlgNumNichtAutoHZ", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kMessage, "UPDATE f5kasses SET BlgNumNichtAutoHZ='N'");
    }
  });
  t.db.AddField("Rechn", "AssBeitID", "UNIQUEIDENTIFIER", "", "Null");
  t.db.AddField("MgSolln", "AssBeitID", "UNIQUEIDENTIFIER", "", "Null");
  t.db.Exec(Policy::kMessage, "ALTER TABLE MgSolln ALTER COLUMN RgNr VARCHAR (10) NULL");
}

void ClosingAdjustments(TenantContext& t) {
  ClosingAdjustmentsBeforeUpdate1(t);
  Update1(t);
}

}  // namespace quelor::migration
