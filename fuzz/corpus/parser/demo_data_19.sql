-- direct debits and invoices follow the new names and accounts
UPDATE L SET Kontoinhaber = A.Kontoinhaber, BLZ = A.BLZ, KontoNr = A.KontoNr
FROM QUELOR_SC_Beispielhausen.dbo.MgLast AS L INNER JOIN QUELOR_SC_Beispielhausen.dbo.Adresse AS A ON A.AdrNr = L.AdrNr