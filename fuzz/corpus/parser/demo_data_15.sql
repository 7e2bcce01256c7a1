CREATE TABLE Quelor.dbo.GuVKennz (
    RimNr varchar(4) NOT NULL,
    Kennz varchar(1) NOT NULL,
    Bezeichnung varchar(50) NOT NULL,
    CONSTRAINT PK_GuVKennz PRIMARY KEY CLUSTERED (RimNr, Kennz)
)