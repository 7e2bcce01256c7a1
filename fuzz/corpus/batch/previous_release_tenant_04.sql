-- Tenant database of the release before 11 ("Mandant" as release 10 leaves it).
--
-- Schema and a small set of sample data of one club, as the update tool finds it
-- before its first run: every table and column the update reads or changes without
-- creating it itself, with the old keys and indexes, and none of the tables or
-- columns the update adds. Run it inside an empty database (the loader creates the
-- database); batches are separated by GO lines.
--
-- No foreign keys: release 10 declares none between these tables; the first ones
-- come with the update (AdrFunktion, F5kennzD, GuVKennzD).
-- Dates are written yyyymmdd; times of day are stored the way the program writes
-- them, on the day 30.12.1899.

-- ==========================================================================
-- Club master record (Mandstam)
-- One row. Three bank slots, account and bank code still the pre-SEPA way:
-- slot 1 complete with its fibu account, slot 2 complete without one, slot 3
-- left over from a closed account (bank name and code, no account number).
-- No creditor id, no IBAN/BIC, no switches for the program parts yet.
-- ==========================================================================

CREATE TABLE dbo.Mandstam (
    MandNr int NOT NULL,
    Name1 varchar(60) NULL,
    Name2 varchar(60) NULL,
    Strasse varchar(40) NULL,
    PLZ varchar(10) NULL,
    Ort varchar(40) NULL,
    Telefon varchar(30) NULL,
    Telefax varchar(30) NULL,
    Internet varchar(100) NULL,
    Vorsitzender varchar(60) NULL,
    Registergericht varchar(60) NULL,
    VereinsregisterNr varchar(20) NULL,
    Steuernummer varchar(20) NULL,
    Finanzamt varchar(60) NULL,
    Bank1 varchar(60) NULL,
    Konto1 varchar(15) NULL,
    BLZ1 varchar(10) NULL,
    Fibukonto1 int NULL,
    Bank2 varchar(60) NULL,
    Konto2 varchar(15) NULL,
    BLZ2 varchar(10) NULL,
    Fibukonto2 int NULL,
    Bank3 varchar(60) NULL,
    Konto3 varchar(15) NULL,
    BLZ3 varchar(10) NULL,
    Fibukonto3 int NULL,
    Buchjahr smallint NULL,
    CONSTRAINT PK_Mandstam PRIMARY KEY CLUSTERED (MandNr)
)