// Sports-list keys, due-date function and early column fixes.
#include "migration/sports_list_keys.h"

#include <string>
#include <string_view>

#include "config/text_util.h"
#include "db/script_splitter.h"
#include "migration/reference_commands.h"

namespace quelor::resources {
extern const std::string_view kMemoFDat;
}

// Statement texts stay on one line each, as the server receives them.
// clang-format off

namespace quelor::migration {

using db::Policy;

void SportsListKeysAndDueDates(TenantContext& t) {
  SportsListKeysWithScript(t, MemoSport2014Script());
}

void SportsListKeysWithScript(TenantContext& t, std::string_view memo_sport_2014) {
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.SportartenV ALTER COLUMN VerbandNr varchar(20) NULL");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.Sportarten ALTER COLUMN VerbandNr varchar(20) NULL");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.AdrSART ALTER COLUMN VerbandNr varchar(20) NULL");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.INTER ALTER COLUMN VerbandNr varchar(20) NULL");
  t.db.AddField("fachverbaende", "Kn", "char", "(1)", "NULL");

  // The marker column makes the rebuild of the sports lists one-time. The
  // order matters: old keys go before their columns are widened; Sportarten
  // is loaded while its LfdNr is a plain INT, so the script's numbers are
  // taken, and then gets an identity LfdNr that numbers the rows anew;
  // fachverbaende is empty when its NOT NULL LfdNr is added; new keys last.
  // The marker and the whole rebuild reach the database together: a rebuild
  // cut short would leave tables without their keys or LfdNr for good.
  t.db.AllOrNothing([&] {
    t.db.AddField("EINST", "Kn5a", "char", "(1)", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "DELETE FROM AdrSepaVer");
      t.db.Exec(Policy::kUnguarded, "DELETE FROM dbo.Sportarten");
      t.db.Exec(Policy::kUnguarded, "DELETE FROM dbo.fachverbaende");
      t.db.AddField("SportartenV", "LfdNr", "INT", "IDENTITY (1,1)", "NOT NULL");
      t.db.AddField("AdrSArt", "LfdNr", "INT", "IDENTITY (1,1)", "NOT NULL");
      t.db.Exec(Policy::kUnguarded, "ALTER TABLE tmpKSBja ALTER COLUMN Fachverband varchar (20)");
      t.db.Exec(Policy::kUnguarded, "ALTER TABLE tmpKSBja ALTER COLUMN Skz2 varchar (20)");
      t.db.Exec(Policy::kUnguarded, "ALTER TABLE tmpKSBjaList ALTER COLUMN Skz2 varchar (20)");
      t.db.Exec(Policy::kUnguarded, "ALTER TABLE tmpKSBjaList ALTER COLUMN Fachverband varchar (20)");
      t.db.DropConstraint("Sportarten", "PK_Sportarten_1");
      t.db.DropConstraint("Sportarten", "PK_Sportarten");
      t.db.DropConstraint("fachverbaende", "PK_fachverbaende");
      t.db.DropPrimaryKey("AdrSArt");
      t.db.DropPrimaryKey("SportartenV");
      t.db.Exec(Policy::kWarning, "ALTER TABLE [dbo].[AdrSArt] ALTER COLUMN SArt VARCHAR (20) NOT NULL");
      t.db.Exec(Policy::kWarning, "ALTER TABLE [dbo].[Sportarten] ALTER COLUMN NUMMER VARCHAR (20) NOT NULL");
      t.db.Exec(Policy::kWarning, "ALTER TABLE [dbo].[Sportarten] ALTER COLUMN KZ VARCHAR (50) NOT NULL");
      t.db.Exec(Policy::kWarning, "ALTER TABLE [dbo].[Fachverbaende] ALTER COLUMN KZ VARCHAR (50) NOT NULL");
      t.db.Exec(Policy::kWarning, "ALTER TABLE dbo.fachverbaende ALTER COLUMN NUMMER varchar(20) NOT NULL");
      // Old databases have no LfdNr here yet: then the drops fail unseen.
      t.db.Exec(Policy::kIgnored, "ALTER TABLE dbo.Sportarten DROP COLUMN LfdNr");
      t.db.Exec(Policy::kIgnored, "ALTER TABLE dbo.fachverbaende DROP COLUMN LfdNr");
      t.db.AddField("Sportarten", "LfdNr", "INT", "", "NULL");
      t.db.AddField("fachverbaende", "LfdNr", "INT", "", "NOT NULL");
      // A failing script leaves the rows it inserted; the rebuild goes on.
      if (!config::IsBlank(memo_sport_2014)) {
        t.db.Exec(Policy::kMessage, db::SingleBatchText(memo_sport_2014));
      }
      t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.Sportarten DROP COLUMN LfdNr");
      t.db.AddField("Sportarten", "LfdNr", "INT", "IDENTITY (1,1)", "NOT NULL");
      t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.fachverbaende DROP COLUMN LfdNr");
      t.db.AddField("fachverbaende", "LfdNr", "INT", "IDENTITY (1,1)", "NOT NULL");
      t.db.Exec(Policy::kWarning, "ALTER TABLE [dbo].[fachverbaende] ADD CONSTRAINT [PK_fachverbaende] PRIMARY KEY CLUSTERED ([KZ],[NUMMER],[LfdNr]) ON [PRIMARY]");
      t.db.Exec(Policy::kWarning, "ALTER TABLE [dbo].[Sportarten] ADD CONSTRAINT [PK_Sportarten] PRIMARY KEY CLUSTERED ([KZ],[NUMMER],[LfdNr]) ON [PRIMARY]");
      t.db.Exec(Policy::kWarning, "ALTER TABLE [dbo].[SportartenV] ALTER COLUMN NUMMER VARCHAR (20) NOT NULL");
      t.db.Exec(Policy::kWarning, "ALTER TABLE [dbo].[SportartenV] ADD CONSTRAINT [PK_SportartenV] PRIMARY KEY CLUSTERED ([LfdNr]) ON [PRIMARY]");
      t.db.Exec(Policy::kWarning, "ALTER TABLE [dbo].[AdrSArt] ADD CONSTRAINT [PK_AdrSArt] PRIMARY KEY CLUSTERED ([AdrNr],[SArt],[LfdNr]) ON [PRIMARY]");
    }
  });

  // Sent on every run; once the bodies exist their duplicate keys are refused
  // unseen.
  t.db.Exec(Policy::kIgnored, "INSERT INTO tblLSB (Kennung,Bezeichnung) VALUES ('Sportbund Rheinland','Sportbund Rheinland')");
  t.db.Exec(Policy::kIgnored, "INSERT INTO tblLSB (Kennung,Bezeichnung) VALUES ('Sportbund Pfalz','Sportbund Pfalz')");
  t.db.Exec(Policy::kIgnored, "INSERT INTO tblLSB (Kennung,Bezeichnung) VALUES ('Sportbund Rheinhessen','Sportbund Rheinhessen')");

  // The due-date function is made anew on every run, so a changed definition
  // always arrives; the drop fails unseen where it does not exist yet.
  t.db.Exec(Policy::kIgnored, "DROP FUNCTION dbo.fFalligkeitDatum");
  t.db.Exec(Policy::kMessage, db::SingleBatchText(resources::kMemoFDat));
  t.db.Exec(Policy::kIgnored, "GRANT EXECUTE ON dbo.fFalligkeitDatum TO Public");

  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.MgKontoUms ALTER COLUMN WZ1 varchar(140) Null");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.tmpMgKontoUms ALTER COLUMN WZ1 varchar(140) Null");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.MgUeberw ALTER COLUMN WZ1 varchar(70) Null");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.MgUeberw ALTER COLUMN WZ2 varchar(70) Null");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.MgUeberwVorl ALTER COLUMN WZ1 varchar(70) Null");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.MgUeberwVorl ALTER COLUMN WZ2 varchar(70) Null");
  t.db.AddIndex("Adresse", "IX_Eintritt", "Eintritt");
  t.db.AddIndex("Adresse", "IX_Austritt", "Austritt");
  // Receivables carry the current name of their contribution type.
  t.db.Exec(Policy::kUnguarded, "update MgSolln set ArtName=(select Bezeichnung from MgArt where MgArt.Art=mgSolln.Art)");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.Sportarten ALTER COLUMN SPORTART varchar(120) Null");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.SportartenV ALTER COLUMN SPORTART varchar(120) Null");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.fachverbaende ALTER COLUMN FACHVERBAN varchar(120) Null");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.ADRSART ALTER COLUMN FACHVERBAN varchar(120) Null");

  // The follow-up key gets LfdNr once, tied to the new marker column LfdNrN.
  t.db.AllOrNothing([&] {
    t.db.AddField("W_vorl", "LfdNrN", "INT", "", "NULL");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kMessage, "Alter Table W_vorl Drop Constraint PK_W_vorl");
      t.db.Exec(Policy::kMessage, std::string("ALTER TABLE [dbo].[W_vorl] WITH NOCHECK ADD ") + " CONSTRAINT [PK_W_vorl] PRIMARY KEY  CLUSTERED " + "([G_DATUM],[BENUTZER],[ADRNR],[ZEIT],[LfdNr])  ON [PRIMARY] ");
    }
  });

  t.db.AllOrNothing([&] {
    t.db.AddField("EINST", "SEPAVersion", "varchar", "(25)", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.ExecLines(Policy::kWarning, {"UPDATE EINST SET SEPAVersion='2.6'"});
    }
  });
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.EINST ALTER COLUMN SEPAVersion varchar(25) Null");

  // Every run: open batch amounts rounded up (towards plus infinity) to whole
  // cents.
  t.db.Exec(Policy::kUnguarded, "update f5bew4s set soll=ROUND(CEILING(Soll*100),0)/100,haben=ROUND(CEILING(Haben*100),0)/100");
  t.db.Exec(Policy::kUnguarded, "update f5bew4sg set soll=ROUND(CEILING(Soll*100),0)/100,haben=ROUND(CEILING(Haben*100),0)/100");
}

}  // namespace quelor::migration
