DECLARE @i int = 0, @s nvarchar(100) = N''
WHILE @i < 5
BEGIN
  SET @i = @i + 1
  IF @i % 2 = 0 CONTINUE
  SET @s = @s + CAST(@i AS nvarchar(10))
END
SELECT @s, LEN(@s), REPLICATE('x', 3), CONVERT(varchar(10), GETDATE(), 104)