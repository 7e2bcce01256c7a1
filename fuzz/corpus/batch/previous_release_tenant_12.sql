-- Correspondence per address with the path of the letter file (varchar(120)).
CREATE TABLE dbo.Kontakt (
    LfdNr int IDENTITY(1,1) NOT NULL,
    AdrNr int NOT NULL,
    Datum datetime NULL,
    Betreff varchar(80) NULL,
    WordFile varchar(120) NULL,
    Benutzer varchar(12) NULL,
    CONSTRAINT PK_Kontakt PRIMARY KEY CLUSTERED (LfdNr)
)