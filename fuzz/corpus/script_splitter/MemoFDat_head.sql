CREATE FUNCTION dbo.fFalligkeitDatum (@Year INT)
RETURNS TABLE
AS
RETURN (
  -- Due dates of the member contracts in the year @Year, one row per due date.
  -- A stored due date keeps its month and day: starting from 1 January 1900
  -- (the date 0), add the days, then the months, then the years; DATEADD puts
  -- a day beyond the end of a month on its last day, so 29 February becomes
  -- 28 February (1900 is no leap year), in leap years too.

  -- yearly: the first due date
  SELECT V.AdrNr, V.VertragNr, V.Art, V.Sollstellung, V.VertragBegin, V.VertragEnde,
         1 AS Zeitraum,
         DATEADD(yy, @Year - 1900,
           DATEADD(mm, MONTH(V.FalligkeitDatum1) - 1,
             DATEADD(dd, DAY(V.FalligkeitDatum1) - 1, 0))) AS FalligkeitDatum
  FROM dbo.MgVert AS V
  WHERE V.Sollstellung = 'jährlich' AND V.FalligkeitDatum1 IS NOT NULL

  UNION ALL

  -- half-yearly: the first due date as period 1 ...
  SELECT V.AdrNr, V.VertragNr, V.Art, V.Sollstellung, V.VertragBegin, V.VertragEnde,
         1,
         DATEADD(yy, @Year - 1900,
           DATEADD(mm, MONTH(V.FalligkeitDatum1) - 1,
             DATEADD(dd, DAY(V.FalligkeitDatum1) - 1, 0)))
  FROM dbo.MgVert AS V
  WHERE V.Sollstellung = 'halbjährl.' AND V.FalligkeitDatum1 IS NOT NULL

  UNION ALL

  -- ... and the second one as period 7
  SELECT V.AdrNr, V.VertragNr, V.Art, V.Sollstellung, V.VertragBegin, V.VertragEnde,
         7,
         DATEADD(yy, @Year - 1900,
           DATEADD(mm, MONTH(V.FalligkeitDatum2) - 1,
             DATEADD(dd, DAY(V.FalligkeitDatum2) - 1, 0)))
  FROM dbo.MgVert AS V
  WHERE V.Sollstellung = 'halbjährl.' AND V.FalligkeitDatum2 IS NOT NULL

  UNION ALL

  -- quarterly: due dates 1 to 4 as periods 1 to 4
  SELECT V.AdrNr, V.VertragNr, V.Art, V.Sollstellung, V.VertragBegin, V.VertragEnde,
         1,
         DATEADD(yy, @Year - 1900,
           DATEADD(mm, MONTH(V.FalligkeitDatum1) - 1,
             DATEADD(dd, DAY(V.FalligkeitDatum1) - 1, 0)))
  FROM dbo.MgVert AS V
  WHERE V.Sollstellung = 'quartal' AND V.FalligkeitDatum1 IS NOT NULL

  UNION ALL

  SELECT V.AdrNr, V.VertragNr, V.Art, V.Sollstellung, V.VertragBegin, V.VertragEnde,
         2,
         DATEADD(yy, @Year - 1900,
           DATEADD(mm, MONTH(V.FalligkeitDatum2) - 1,
             DATEADD(dd, DAY(V.FalligkeitDatum2) - 1, 0)))
  FROM dbo.MgVert AS V
  WHERE V.Sollstellung = 'quartal' AND V.FalligkeitDatum2 IS NOT NULL

  UNION ALL

  SELECT V.AdrNr, V.VertragNr, V.Art, V.Sollstellung, V.VertragBegin, V.VertragEnde,
         3,
         DATEADD(yy, @Year - 1900,
           DATEADD(mm, MONTH(V.FalligkeitDatum3) - 1,
             DATEADD(dd, DAY(V.FalligkeitDatum3) - 1, 0)))
  FROM dbo.MgVert AS V
  WHERE V.Sollstellung = 'quartal' AND V.FalligkeitDatum3 IS NOT NULL

  UNION ALL

  SELECT V.AdrNr, V.VertragNr, V.Art, V.Sollstellung, V.VertragBegin, V.VertragEnde,
         4,
         DATEADD(yy, @Year - 1900,
           DATEADD(mm, MONTH(V.FalligkeitDatum4) - 1,
             DATEADD(dd, DAY(V.FalligkeitDatum4) - 1, 0)))
  FROM dbo.MgVert AS V
  WHERE V.Sollstellung = 'quartal' AND V.FalligkeitDatum4 IS NOT NULL

  UNION ALL

  -- monthly: period 1 is always 31 January (day 31 counted from 1 January 1900)
  SELECT V.AdrNr, V.VertragNr, V.Art, V.Sollstellung, V.VertragBegin, V.VertragEnde,
         1,
         DATEADD(yy, @Year - 1900, DATEADD(dd, 30, 0))
  FROM dbo.MgVert AS V
  WHERE V.Sollstellung = 