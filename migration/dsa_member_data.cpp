// DSA member data and federation tables.
#include "migration/dsa_member_data.h"

#include <string>
#include <string_view>

#include "db/script_splitter.h"

namespace quelor::resources {
extern const std::string_view kMemoDSAFach;
}

namespace quelor::migration {

using db::Policy;

void DsaMemberData(TenantContext& t) {
  t.db.AddField("Adresse", "DSAKennziffer", "varchar", "(30)", "Null");
  t.db.AddField("Adresse", "DSAMitglNr", "varchar", "(30)", "Null");
  t.db.AddField("Adresse", "Hausnummer", "varchar", "(10)", "Null");
  t.db.AddField("Adresse", "Ausweisnummer", "varchar", "(20)", "Null");
  t.db.AddField("Adresse", "Gueltigkeitsdatum", "datetime", "", "Null");

  // DSAKennziffer and DSAMitglNr are narrower here than in Adresse (20 and 10
  // against 30); keep the widths as they are. The table and its key come
  // together: the key has no probe of its own.
  if (t.db.TableMissing("tblDSA7")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning,
                     {
                         "CREATE TABLE tblDSA7 (",           "LfdNr [int] IDENTITY(1,1) NOT NULL,",
                         "MitglNr varchar (15) NULL,",       "DSAKennziffer varchar (20) NULL,",
                         "DSAMitglNr varchar (10) NULL,",    "Ausweisnummer varchar (20) NULL,",
                         "Gueltigkeitsdatum datetime NULL,", "Anrede varchar (20) NULL,",
                         "Anredetitel varchar (60) NULL,",   "Vorname varchar (30) NULL,",
                         "Nachname varchar (40) NULL,",      "Geburtsdatum datetime NULL,",
                         "Strasse varchar (40) NULL,",       "Hausnummer varchar (10) NULL,",
                         "LandISO varchar (2) NULL,",        "PLZ varchar (15) NULL,",
                         "Ort varchar (40) NULL,",           "Telefon1 varchar (40) NULL,",
                         "Telefon5 varchar (40) NULL,",      "Telefon6 varchar (40) NULL,",
                         "Fax varchar (40) NULL,",           "Telefon3 varchar (40) NULL)",
                     });
      t.db.ExecLines(Policy::kWarning,
                     {"ALTER TABLE [dbo].[tblDSA7]  ADD",
                      "CONSTRAINT [PK_tblDSA7] PRIMARY KEY CLUSTERED", "([LfdNr]) ON [PRIMARY]"});
    });
  }

  // Firmename, not Firmenname: the program reads the column by this name.
  if (t.db.TableMissing("tblDSALogin")) {
    t.db.ExecLines(Policy::kWarning, {
                                         "CREATE TABLE tblDSALogin (",
                                         "Benutzer varchar (30) NOT NULL,",
                                         "Passwort varchar (30) NOT NULL,",
                                         "Firmename varchar (30) NOT NULL)",
                                     });
  }

  // Loaded only on the run that creates the table: a failed load is not
  // tried again, the table exists from then on. Table, key and rows reach
  // the database together, so a run stopped during the load leaves it whole
  // to the next run.
  if (t.db.TableMissing("DSAFachverband")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning, {
                                           "CREATE TABLE DSAFachverband (",
                                           "Nr VARCHAR (3) NOT NULL,",
                                           "Bezeichnung VARCHAR (200) NOT NULL)",
                                       });
      t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[DSAFachverband]  ADD",
                                        "CONSTRAINT [PK_DSAFachverband] PRIMARY KEY CLUSTERED",
                                        "([Nr]) ON [PRIMARY]"});
      // One command text, every line followed by CR LF. The lines break inside
      // the quoted names, so the stored names keep those CR LF until the
      // REPLACE statements below take them out.
      t.db.Exec(Policy::kWarning, db::SingleBatchText(resources::kMemoDSAFach));
    });
  }

  t.db.AddField("SportartenV", "DSAFach", "varchar", "(3)", "Null");

  if (t.db.TableMissing("tblDSAExport")) {
    t.db.AllOrNothing([&] {
      t.db.ExecLines(Policy::kWarning,
                     {
                         "CREATE TABLE tblDSAExport (", "Benutzer varchar (50) NOT NULL,",
                         "AdrNr int NOT NULL,",         "MitglNr varchar (15) NULL,",
                         "Anrede varchar (20) NULL,",   "Anredetitel varchar (60) NULL,",
                         "Vorname varchar (30) NULL,",  "Nachname varchar (40) NULL,",
                         "Geburtsdatum datetime NULL,", "Strasse varchar (40) NULL,",
                         "PLZ varchar (15) NULL,",      "Ort varchar (40) NULL,",
                         "Telefon1 varchar (40) NULL,", "Telefon5 varchar (40) NULL,",
                         "Telefon6 varchar (40) NULL,", "Fax varchar (40) NULL,",
                         "Telefon3 varchar (40) NULL,", "Sportart numeric (18,0) NULL,",
                         "Auswahl char (1) NOT NULL)",
                     });
      t.db.ExecLines(Policy::kWarning, {"ALTER TABLE [dbo].[tblDSAExport]  ADD",
                                        "CONSTRAINT [PK_tblDSAExport] PRIMARY KEY CLUSTERED",
                                        "([Benutzer],[AdrNr]) ON [PRIMARY]"});
    });
  }

  // The federation names are cleaned on the run that adds Landname, which is
  // the run that loaded them. In this order a break after a blank first
  // becomes two blanks, which the last statement makes one. Each marker
  // column below reaches the database together with its one-time work.
  t.db.AllOrNothing([&] {
    t.db.AddField("tblDSAExport", "Landname", "varchar", "(30)", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded,
                "UPDATE DSAFachverband SET Bezeichnung=REPLACE(Bezeichnung,'\r\n',' ')");
      t.db.Exec(Policy::kUnguarded,
                "UPDATE DSAFachverband SET Bezeichnung=REPLACE(Bezeichnung,'\n',' ')");
      t.db.Exec(Policy::kUnguarded,
                "UPDATE DSAFachverband SET Bezeichnung=REPLACE(Bezeichnung,'\r',' ')");
      t.db.Exec(Policy::kUnguarded,
                "UPDATE DSAFachverband SET Bezeichnung=REPLACE(Bezeichnung,'  ',' ')");
    }
  });

  // The rows prepared before AdrNr existed cannot be matched to a member.
  t.db.AllOrNothing([&] {
    t.db.AddField("tblDSA7", "AdrNr", "int", "", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded, "DELETE FROM tblDSA7");
    }
  });
  t.db.AddIndex("tblDSA7", "IX_tblDSA7_AdrNr", "AdrNr");

  // Every run: contracts and receivables carry the current name of their
  // contribution type; one whose type is gone gets NULL. The receivable's
  // column is widened to the 120 of MgArt before it is written.
  t.db.Exec(
      Policy::kUnguarded,
      "UPDATE MgVert SET ArtName=A.Bezeichnung FROM MgVert V LEFT JOIN MgArt A ON A.Art=V.Art");
  t.db.Exec(Policy::kUnguarded, "ALTER TABLE MgSolln ALTER COLUMN ArtName varchar(120) NULL");
  t.db.Exec(
      Policy::kUnguarded,
      "UPDATE MgSolln SET ArtName=A.Bezeichnung FROM MgSolln V LEFT JOIN MgArt A ON A.Art=V.Art");

  t.db.AddField("Adresse", "DSAVerband", "varchar", "(250)", "Null");
  t.db.AddField("Adresse", "DSASportArt", "varchar", "(4)", "Null");
  t.db.AddField("Adresse", "DSA_SMK", "char", "(1)", "Null");
  t.db.AddField("Adresse", "DSA_SVK", "char", "(1)", "Null");
  t.db.AllOrNothing([&] {
    t.db.AddField("Adresse", "DSABeantragt", "char", "(1)", "Null");
    if (t.db.ColumnAddedFlag()) {
      t.db.Exec(Policy::kUnguarded,
                "UPDATE Adresse SET DSA_SMK='N', DSA_SVK='N', DSABeantragt='N'");
    }
  });
}

}  // namespace quelor::migration
