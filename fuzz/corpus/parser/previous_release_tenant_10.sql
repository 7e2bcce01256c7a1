-- Scratch tables of the annual report to the district sports body; empty between reports.
CREATE TABLE dbo.tmpKSBja (
    Benutzer varchar(12) NULL,
    Fachverband varchar(10) NULL,
    Skz2 varchar(10) NULL,
    Jahrgang smallint NULL,
    Maennlich int NULL,
    Weiblich int NULL
)