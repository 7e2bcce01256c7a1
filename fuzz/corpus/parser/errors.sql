INSERT INTO Verein (Nr, Name) VALUES (1, N'doppelt')
SELECT 1/0
SELECT CAST('abc' AS int)
SELECT * FROM Nirgends