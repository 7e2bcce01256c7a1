IF NOT EXISTS (SELECT * FROM sysobjects WHERE name = 'Neu' AND xtype = 'U')
CREATE TABLE Neu (Id int IDENTITY NOT NULL CONSTRAINT PK_Neu PRIMARY KEY, Text nvarchar(50) NULL DEFAULT (N'x'))
ALTER TABLE Neu ADD Zahl decimal(12,4) NULL
CREATE INDEX IX_Neu ON Neu (Text)
EXEC sp_rename 'Neu.Zahl', 'Betrag', 'COLUMN'
DROP INDEX Neu.IX_Neu
DROP TABLE Neu