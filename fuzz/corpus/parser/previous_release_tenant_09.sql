CREATE TABLE dbo.AdresseZukunft (
    AdrNr int NOT NULL,
    GueltigAb datetime NOT NULL,
    Strasse varchar(40) NULL,
    PLZ varchar(10) NULL,
    Ort varchar(40) NULL,
    Vorwahl varchar(10) NULL,
    Telefon1 varchar(40) NULL,
    Telefon3 varchar(60) NULL,
    Benutzer varchar(12) NULL,
    CONSTRAINT PK_AdresseZukunft PRIMARY KEY CLUSTERED (AdrNr, GueltigAb)
)