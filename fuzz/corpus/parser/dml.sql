BEGIN TRANSACTION
UPDATE Verein SET Beitrag = Beitrag * 2 WHERE Aktiv = 1
INSERT INTO Mitglied (VereinNr, Vorname) SELECT Nr, LEFT(Name, 5) FROM Verein
DELETE FROM Mitglied WHERE Vorname IS NULL
COMMIT
SELECT * FROM Mitglied