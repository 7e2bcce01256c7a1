// Federation sports lists and one-time reference reloads.
#include "migration/federation_lists_and_reloads.h"

#include <array>
#include <string>
#include <string_view>

#include "config/text_util.h"
#include "migration/reference_commands.h"

namespace quelor::migration {

using db::Policy;

namespace {

// A reload deletes the rows of its table and sends the data-load command as
// one command text. A command without statements is never sent, and the rows
// it would replace are kept: a reload without data must not leave its table
// empty. For the whole federation list that skips the rebuild of its running
// number too, which needs the emptied table.
bool HasStatements(std::string_view command) { return !config::IsBlank(command); }

}  // namespace

void FederationListsAndReferenceReloads(TenantContext& t) {
  if (t.db.TableMissing("VerbSportArt")) {
    t.db.AllOrNothing([&] {
      // The comma before the closing line is accepted by the server.
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE dbo.VerbSportArt (",
                                           "[Nummer] [varchar](3) NOT NULL,",
                                           "[Sportart] [varchar](120) NULL,",
                                           "[Kennung] [varchar](50) NULL,",
                                           ") ON [PRIMARY]",
                                       });
      t.db.ExecLines(Policy::kWarning, {
                                           "ALTER TABLE [dbo].[VerbSportArt]  ADD CONSTRAINT "
                                           "[PK_VerbSportArt] PRIMARY KEY CLUSTERED (",
                                           "[Nummer] ASC",
                                           ")WITH (IGNORE_DUP_KEY = OFF) ON [PRIMARY]",
                                       });
    });
  }
  t.db.AddField("VerbSportArt", "LfdNr", "int", "", "NULL");

  // Each reload below reaches the database together with its marker column:
  // a reload cut short is rolled back and made whole by the next run.
  t.db.AllOrNothing([&] {
    t.db.AddField("PASSDB", "DSA", "bit", "", "NULL");
    if (t.db.ColumnAddedFlag()) {
      const std::string sports = VerbSportArtCommand();
      if (HasStatements(sports)) {
        t.db.ExecLines(Policy::kWarning, {"DELETE FROM VerbSportArt"});
        t.db.Exec(Policy::kWarning, sports);
      }
      const std::string federations = DsaFachverbandCommand();
      if (HasStatements(federations)) {
        t.db.ExecLines(Policy::kWarning, {"DELETE FROM DSAFachverband"});
        t.db.Exec(Policy::kWarning, federations);
      }
    }
  });

  // Every run: the key is taken off so that the numbers can be widened and
  // padded, and put back. The column is widened as NOT NULL: left to the
  // connection's default it would become nullable, and the server refuses a
  // primary key on a nullable column. This also gives the key back to
  // databases that an earlier update left without it.
  t.db.DropConstraint("VerbSportArt", "PK_VerbSportArt");
  t.db.Exec(Policy::kUnguarded,
            "ALTER TABLE VerbSportArt ALTER COLUMN NUMMER varchar (20) NOT NULL");
  // One leading zero per run for every number shorter than four characters.
  t.db.Exec(Policy::kUnguarded, db::JoinCrLf({
                                    "update VerbSportArt set Nummer='0'+Nummer",
                                    "where 1=1",
                                    "and LEN(Nummer)<4",
                                }));
  t.db.Exec(Policy::kWarning,
            "ALTER TABLE [dbo].[VerbSportArt] ADD CONSTRAINT [PK_VerbSportArt] PRIMARY KEY "
            "CLUSTERED ([NUMMER]) ON [PRIMARY]");

  t.db.AddField("F5butext", "Kontoart", "varchar", "(10)", "NULL");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE Adresse ALTER COLUMN DSASportArt varchar(4) NULL");

  // Section I of the association chart's profit-and-loss classification. The
  // probe finds the first of the two sections only: both are written together.
  if (t.db.Select("SELECT * FROM GuVKennz49 WHERE RimNr='I' and Kennz='A'").Empty()) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "INSERT INTO GuVKennz49 (RimNr, Kennz, Bezeichnung)",
                                           "VALUES ('I','A','Einnahmen')",
                                       });
      t.db.ExecLines(Policy::kWarning, {
                                           "INSERT INTO GuVKennz49 (RimNr, Kennz, Bezeichnung)",
                                           "VALUES ('I','B','Ausgaben')",
                                       });
    });
  }

  // The chart's data rows name KoSt and DatevAuto by position: both columns
  // must be there before the load.
  t.db.AddField("F5SKR49", "KoSt", "int", "", "NULL");
  t.db.AddField("F5SKR49", "DatevAuto", "char(1)", "", "NULL");
  t.db.AllOrNothing([&] {
    t.db.AddField("EINST", "GuVSKR49", "bit", "", "NULL");
    if (t.db.ColumnAddedFlag()) {
      const std::string accounts = Skr49Command();
      if (HasStatements(accounts)) {
        t.db.ExecLines(Policy::kWarning, {"DELETE FROM F5SKR49"});
        t.db.Exec(Policy::kWarning, accounts);
      }
      const std::string tax_keys = F5DatSkr49Command();
      if (HasStatements(tax_keys)) {
        t.db.ExecLines(Policy::kWarning, {"DELETE FROM F5DATSKR49"});
        t.db.Exec(Policy::kWarning, tax_keys);
      }
    }
  });

  // DOSB1 marks nothing: the flag tested next is the one DOSB2 leaves.
  t.db.AddField("PASSDB", "DOSB1", "bit", "", "NULL");
  t.db.AllOrNothing([&] {
    t.db.AddField("PASSDB", "DOSB2", "bit", "", "NULL");
    if (t.db.ColumnAddedFlag()) {
      const std::string federations = FachverbaendeCommand();
      if (HasStatements(federations)) {
        t.db.ExecLines(
            Policy::kWarning,
            {"DELETE FROM fachverbaende where KZ in ('BLSV','LSB Thüringen','LSB NRW')"});
        t.db.Exec(Policy::kWarning, federations);
      }
    }
  });

  // GuV49 marks nothing either.
  t.db.AddField("Einst", "GuV49", "bit", "", "NULL");
  t.db.AllOrNothing([&] {
    t.db.AddField("PASSDB", "DOSB3", "bit", "", "NULL");
    if (t.db.ColumnAddedFlag()) {
      const std::string sports = SportartenCommand();
      if (HasStatements(sports)) {
        t.db.ExecLines(Policy::kWarning,
                       {"DELETE FROM Sportarten where KZ in ('BLSV','LSB Thüringen','LSB NRW')"});
        t.db.Exec(Policy::kWarning, sports);
      }
    }
  });

  // The bank codes come from the directory the run was given, in three
  // commands of about 6,100 rows each. They are made before the marker
  // column is added: a directory that cannot be read ends the run while the
  // reload is still to come, so it runs once the directory is fixed.
  const std::array<std::string, 3> bank_codes = BankCodeCommands(t.run.BankCodeDirectory());
  t.db.AllOrNothing([&] {
    t.db.AddField("PASSDB", "DOSB4", "bit", "", "NULL");
    if (t.db.ColumnAddedFlag()) {
      const std::string federations = FachverbaendeNeuCommand();
      if (HasStatements(federations)) {
        // The new list brings its own running numbers: LfdNr is a plain
        // NOT NULL column while it loads (the table is empty when the column
        // is added), then it is made an identity column again, which numbers
        // the rows anew, and the key comes last.
        t.db.ExecLines(Policy::kWarning, {"DELETE FROM fachverbaende"});
        t.db.DropConstraint("fachverbaende", "PK_fachverbaende");
        // A refusal let pass in the rebuild of the sports lists may have left
        // the table without LfdNr; the drop below would then stop every run.
        t.db.AddField("fachverbaende", "LfdNr", "INT", "", "NOT NULL");
        t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.fachverbaende DROP COLUMN LfdNr");
        t.db.AddField("fachverbaende", "LfdNr", "INT", "", "NOT NULL");
        t.db.Exec(Policy::kWarning, federations);
        t.db.Exec(Policy::kUnguarded, "ALTER TABLE dbo.fachverbaende DROP COLUMN LfdNr");
        t.db.AddField("fachverbaende", "LfdNr", "INT", "IDENTITY (1,1)", "NOT NULL");
        t.db.Exec(Policy::kWarning,
                  "ALTER TABLE [dbo].[fachverbaende] ADD CONSTRAINT [PK_fachverbaende] PRIMARY KEY "
                  "CLUSTERED ([KZ],[NUMMER],[LfdNr]) ON [PRIMARY]");
      }

      if (HasStatements(bank_codes[0]) || HasStatements(bank_codes[1]) ||
          HasStatements(bank_codes[2])) {
        t.db.ExecLines(Policy::kWarning, {"DELETE FROM D_blz"});
        for (const std::string& command : bank_codes) {
          if (HasStatements(command)) t.db.Exec(Policy::kWarning, command);
        }
      }
    }
  });
}

}  // namespace quelor::migration
