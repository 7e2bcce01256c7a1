CREATE TABLE [dbo].[F5DatKulturUndSportverein] (
	[STEUERSCHL] [smallint] NOT NULL ,
	[MWSTKTO] [int] NULL ,
	[VORST_KTO] [int] NULL ,
	[BFG_BASIS] [smallint] NULL ,
	[BFB_GGKTO] [smallint] NULL ,
	[BEG] [varchar] (5) NULL ,
	[Klasse] [char] (1) NULL ,
	[LfdNr] [int] IDENTITY (1, 1) NOT NULL ,
	CONSTRAINT [PK_F5DatKulturUndSportverein] PRIMARY KEY  CLUSTERED 
	(
		[STEUERSCHL],
		[LfdNr]
	)  ON [PRIMARY] 
) ON [PRIMARY]