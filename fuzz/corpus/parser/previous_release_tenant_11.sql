-- Follow-ups: created on G_DATUM at ZEIT by BENUTZER for an address; due on Datum at
-- UhrZeit (no start and end columns yet). Key PK_W_vorl without the running number.
CREATE TABLE dbo.W_Vorl (
    G_DATUM datetime NOT NULL,
    BENUTZER varchar(12) NOT NULL,
    ADRNR int NOT NULL,
    ZEIT datetime NOT NULL,
    LfdNr int IDENTITY(1,1) NOT NULL,
    Datum datetime NULL,
    UhrZeit datetime NULL,
    Betreff varchar(80) NULL,
    Notiz varchar(240) NULL,
    Erledigt char(1) NULL,
    CONSTRAINT PK_W_vorl PRIMARY KEY CLUSTERED (G_DATUM, BENUTZER, ADRNR, ZEIT)
)