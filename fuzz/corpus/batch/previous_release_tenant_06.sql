-- ==========================================================================
-- Members and addresses (Adresse)
-- The e-mail address lives in Telefon3, the area code of the first number still
-- in Vorwahl beside Telefon1 (merged by the update). One function text per address
-- (Funktion); some with, some empty, some NULL. Payment kind Zahlungsart: L direct
-- debit, B cash, U transfer. Bank details as BLZ and account number; the IBAN and
-- BIC of each account are noted beside the row (no column for them yet).
-- Street still varchar(40), Firma4 varchar(40), Telefon3 varchar(60), Anrede2
-- varchar(40). Betreung holds the sex (MÄNNLICH/WEIBLICH) where it was entered.
-- ==========================================================================

CREATE TABLE dbo.Adresse (
    AdrNr int NOT NULL,
    MitglNr varchar(15) NULL,
    Anrede varchar(20) NULL,
    Anrede2 varchar(40) NULL,
    Anredetitel varchar(60) NULL,
    Vorname varchar(30) NULL,
    Nachname varchar(40) NULL,
    Firma1 varchar(60) NULL,
    Firma2 varchar(60) NULL,
    Firma3 varchar(60) NULL,
    Firma4 varchar(40) NULL,
    Strasse varchar(40) NULL,
    LandISO varchar(2) NULL,
    PLZ varchar(10) NULL,
    Ort varchar(40) NULL,
    Vorwahl varchar(10) NULL,
    Telefon1 varchar(40) NULL,
    Telefon2 varchar(40) NULL,
    Telefon3 varchar(60) NULL,
    Telefon4 varchar(40) NULL,
    Telefon5 varchar(40) NULL,
    Telefon6 varchar(40) NULL,
    Fax varchar(40) NULL,
    Geburtsdatum datetime NULL,
    Betreung varchar(20) NULL,
    Funktion varchar(60) NULL,
    Eintritt datetime NULL,
    Austritt datetime NULL,
    Zahlungsart char(1) NULL,
    Bank varchar(60) NULL,
    BLZ varchar(10) NULL,
    KontoNr varchar(15) NULL,
    Kontoinhaber varchar(50) NULL,
    Bemerkung varchar(240) NULL,
    ErfDatum datetime NULL,
    ErfBenutzer varchar(12) NULL,
    CONSTRAINT PK_Adresse PRIMARY KEY CLUSTERED (AdrNr)
)