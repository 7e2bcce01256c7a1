INSERT INTO [dbo].[F5DatKulturUndSportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'5',2)