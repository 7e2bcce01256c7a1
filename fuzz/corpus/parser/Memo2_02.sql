SET IDENTITY_INSERT [dbo].[F5DatKulturUndSportverein] ON
INSERT INTO [dbo].[F5DatKulturUndSportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'4',1)