IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='F5DatKulturUndSportverein') DROP TABLE F5DatKulturUndSportverein
GO

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
GO

SET IDENTITY_INSERT [dbo].[F5DatKulturUndSportverein] ON
INSERT INTO [dbo].[F5DatKulturUndSportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'4',1)
GO
INSERT INTO [dbo].[F5DatKulturUndSportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'5',2)
GO
INSERT INTO [dbo].[F5DatKulturUndSportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'6',3)
GO
INSERT INTO [dbo].[F5DatKulturUndSportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'7',4)
GO
INSERT INTO [dbo].[F5DatKulturUndSportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'8',5)
GO
INSERT INTO [dbo].[F5DatKulturUndSportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'4',6)
GO
INSERT INTO [dbo].[F5DatKulturUndSportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'5',7)
GO
INSERT INTO [dbo].[F5DatKulturUndSportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'6',8)
GO
INSERT INTO [dbo].[F5DatKulturUndSportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'7',9)
GO
INSERT INTO [dbo].[F5DatKulturUndSportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'8',10)
GO

SET IDENTITY_INSERT [dbo].[F5DatKulturUndSportverein] OFF
IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='F5DatKulturverein') DROP TABLE F5DatKulturverein
GO

CREATE TABLE [dbo].[F5DatKulturverein] (
	[STEUERSCHL] [smallint] NOT NULL ,
	[MWSTKTO] [int] NULL ,
	[VORST_KTO] [int] NULL ,
	[BFG_BASIS] [smallint] NULL ,
	[BFB_GGKTO] [smallint] NULL ,
	[BEG] [varchar] (5) NULL ,
	[Klasse] [char] (1) NULL ,
	[LfdNr] [int] IDENTITY (1, 1) NOT NULL ,
	CONSTRAINT [PK_F5DatKulturverein] PRIMARY KEY  CLUSTERED 
	(
		[STEUERSCHL],
		[LfdNr]
	)  ON [PRIMARY] 
) ON [PRIMARY]
GO

SET IDENTITY_INSERT [dbo].[F5DatKulturverein] ON
INSERT INTO [dbo].[F5DatKulturverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'4',1)
GO
INSERT INTO [dbo].[F5DatKulturverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'5',2)
GO
INSERT INTO [dbo].[F5DatKulturverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'6',3)
GO
INSERT INTO [dbo].[F5DatKulturverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'7',4)
GO
INSERT INTO [dbo].[F5DatKulturverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'8',5)
GO
INSERT INTO [dbo].[F5DatKulturverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'4',6)
GO
INSERT INTO [dbo].[F5DatKulturverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'5',7)
GO
INSERT INTO [dbo].[F5DatKulturverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'6',8)
GO
INSERT INTO [dbo].[F5DatKulturverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'7',9)
GO
INSERT INTO [dbo].[F5DatKulturverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'8',10)
GO

SET IDENTITY_INSERT [dbo].[F5DatKulturverein] OFF
IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='F5DatMitBezahltenSport') DROP TABLE F5DatMitBezahltenSport
GO

CREATE TABLE [dbo].[F5DatMitBezahltenSport] (
	[STEUERSCHL] [smallint] NOT NULL ,
	[MWSTKTO] [int] NULL ,
	[VORST_KTO] [int] NULL ,
	[BFG_BASIS] [smallint] NULL ,
	[BFB_GGKTO] [smallint] NULL ,
	[BEG] [varchar] (5) NULL ,
	[Klasse] [char] (1) NULL ,
	[LfdNr] [int] IDENTITY (1, 1) NOT NULL ,
	CONSTRAINT [PK_F5DatMitBezahltenSport] PRIMARY KEY  CLUSTERED 
	(
		[STEUERSCHL],
		[LfdNr]
	)  ON [PRIMARY] 
) ON [PRIMARY]
GO

SET IDENTITY_INSERT [dbo].[F5DatMitBezahltenSport] ON
INSERT INTO [dbo].[F5DatMitBezahltenSport] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'4',1)
GO
INSERT INTO [dbo].[F5DatMitBezahltenSport] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'5',2)
GO
INSERT INTO [dbo].[F5DatMitBezahltenSport] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'6',3)
GO
INSERT INTO [dbo].[F5DatMitBezahltenSport] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'7',4)
GO
INSERT INTO [dbo].[F5DatMitBezahltenSport] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'8',5)
GO
INSERT INTO [dbo].[F5DatMitBezahltenSport] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'4',6)
GO
INSERT INTO [dbo].[F5DatMitBezahltenSport] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'5',7)
GO
INSERT INTO [dbo].[F5DatMitBezahltenSport] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'6',8)
GO
INSERT INTO [dbo].[F5DatMitBezahltenSport] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'7',9)
GO
INSERT INTO [dbo].[F5DatMitBezahltenSport] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'8',10)
GO

SET IDENTITY_INSERT [dbo].[F5DatMitBezahltenSport] OFF
IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='F5DatMonosportverein') DROP TABLE F5DatMonosportverein
GO

CREATE TABLE [dbo].[F5DatMonosportverein] (
	[STEUERSCHL] [smallint] NOT NULL ,
	[MWSTKTO] [int] NULL ,
	[VORST_KTO] [int] NULL ,
	[BFG_BASIS] [smallint] NULL ,
	[BFB_GGKTO] [smallint] NULL ,
	[BEG] [varchar] (5) NULL ,
	[Klasse] [char] (1) NULL ,
	[LfdNr] [int] IDENTITY (1, 1) NOT NULL ,
	CONSTRAINT [PK_F5DatMonosportverein] PRIMARY KEY  CLUSTERED 
	(
		[STEUERSCHL],
		[LfdNr]
	)  ON [PRIMARY] 
) ON [PRIMARY]
GO

SET IDENTITY_INSERT [dbo].[F5DatMonosportverein] ON
INSERT INTO [dbo].[F5DatMonosportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'4',1)
GO
INSERT INTO [dbo].[F5DatMonosportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'5',2)
GO
INSERT INTO [dbo].[F5DatMonosportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'6',3)
GO
INSERT INTO [dbo].[F5DatMonosportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'7',4)
GO
INSERT INTO [dbo].[F5DatMonosportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'8',5)
GO
INSERT INTO [dbo].[F5DatMonosportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'4',6)
GO
INSERT INTO [dbo].[F5DatMonosportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'5',7)
GO
INSERT INTO [dbo].[F5DatMonosportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'6',8)
GO
INSERT INTO [dbo].[F5DatMonosportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'7',9)
GO
INSERT INTO [dbo].[F5DatMonosportverein] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'8',10)
GO

SET IDENTITY_INSERT [dbo].[F5DatMonosportverein] OFF
IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='F5DatSonstiger') DROP TABLE F5DatSonstiger
GO

CREATE TABLE [dbo].[F5DatSonstiger] (
	[STEUERSCHL] [smallint] NOT NULL ,
	[MWSTKTO] [int] NULL ,
	[VORST_KTO] [int] NULL ,
	[BFG_BASIS] [smallint] NULL ,
	[BFB_GGKTO] [smallint] NULL ,
	[BEG] [varchar] (5) NULL ,
	[Klasse] [char] (1) NULL ,
	[LfdNr] [int] IDENTITY (1, 1) NOT NULL ,
	CONSTRAINT [PK_F5DatSonstiger] PRIMARY KEY  CLUSTERED 
	(
		[STEUERSCHL],
		[LfdNr]
	)  ON [PRIMARY] 
) ON [PRIMARY]
GO

SET IDENTITY_INSERT [dbo].[F5DatSonstiger] ON
INSERT INTO [dbo].[F5DatSonstiger] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'4',1)
GO
INSERT INTO [dbo].[F5DatSonstiger] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'5',2)
GO
INSERT INTO [dbo].[F5DatSonstiger] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'6',3)
GO
INSERT INTO [dbo].[F5DatSonstiger] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'7',4)
GO
INSERT INTO [dbo].[F5DatSonstiger] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'8',5)
GO
INSERT INTO [dbo].[F5DatSonstiger] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'4',6)
GO
INSERT INTO [dbo].[F5DatSonstiger] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'5',7)
GO
INSERT INTO [dbo].[F5DatSonstiger] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'6',8)
GO
INSERT INTO [dbo].[F5DatSonstiger] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'7',9)
GO
INSERT INTO [dbo].[F5DatSonstiger] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'8',10)
GO

SET IDENTITY_INSERT [dbo].[F5DatSonstiger] OFF
IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='F5DatSportvereinMitAnlagevermogen') DROP TABLE F5DatSportvereinMitAnlagevermogen
GO

CREATE TABLE [dbo].[F5DatSportvereinMitAnlagevermogen] (
	[STEUERSCHL] [smallint] NOT NULL ,
	[MWSTKTO] [int] NULL ,
	[VORST_KTO] [int] NULL ,
	[BFG_BASIS] [smallint] NULL ,
	[BFB_GGKTO] [smallint] NULL ,
	[BEG] [varchar] (5) NULL ,
	[Klasse] [char] (1) NULL ,
	[LfdNr] [int] IDENTITY (1, 1) NOT NULL ,
	CONSTRAINT [PK_F5DatSportvereinMitAnlagevermogen] PRIMARY KEY  CLUSTERED 
	(
		[STEUERSCHL],
		[LfdNr]
	)  ON [PRIMARY] 
) ON [PRIMARY]
GO

SET IDENTITY_INSERT [dbo].[F5DatSportvereinMitAnlagevermogen] ON
INSERT INTO [dbo].[F5DatSportvereinMitAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'4',1)
GO
INSERT INTO [dbo].[F5DatSportvereinMitAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'5',2)
GO
INSERT INTO [dbo].[F5DatSportvereinMitAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'6',3)
GO
INSERT INTO [dbo].[F5DatSportvereinMitAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'7',4)
GO
INSERT INTO [dbo].[F5DatSportvereinMitAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'8',5)
GO
INSERT INTO [dbo].[F5DatSportvereinMitAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'4',6)
GO
INSERT INTO [dbo].[F5DatSportvereinMitAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'5',7)
GO
INSERT INTO [dbo].[F5DatSportvereinMitAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'6',8)
GO
INSERT INTO [dbo].[F5DatSportvereinMitAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'7',9)
GO
INSERT INTO [dbo].[F5DatSportvereinMitAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'8',10)
GO

SET IDENTITY_INSERT [dbo].[F5DatSportvereinMitAnlagevermogen] OFF
IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='F5DatSportvereinOhneAnlagevermogen') DROP TABLE F5DatSportvereinOhneAnlagevermogen
GO

CREATE TABLE [dbo].[F5DatSportvereinOhneAnlagevermogen] (
	[STEUERSCHL] [smallint] NOT NULL ,
	[MWSTKTO] [int] NULL ,
	[VORST_KTO] [int] NULL ,
	[BFG_BASIS] [smallint] NULL ,
	[BFB_GGKTO] [smallint] NULL ,
	[BEG] [varchar] (5) NULL ,
	[Klasse] [char] (1) NULL ,
	[LfdNr] [int] IDENTITY (1, 1) NOT NULL ,
	CONSTRAINT [PK_F5DatSportvereinOhneAnlagevermogen] PRIMARY KEY  CLUSTERED 
	(
		[STEUERSCHL],
		[LfdNr]
	)  ON [PRIMARY] 
) ON [PRIMARY]
GO

SET IDENTITY_INSERT [dbo].[F5DatSportvereinOhneAnlagevermogen] ON
INSERT INTO [dbo].[F5DatSportvereinOhneAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'4',1)
GO
INSERT INTO [dbo].[F5DatSportvereinOhneAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'5',2)
GO
INSERT INTO [dbo].[F5DatSportvereinOhneAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'6',3)
GO
INSERT INTO [dbo].[F5DatSportvereinOhneAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'7',4)
GO
INSERT INTO [dbo].[F5DatSportvereinOhneAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (7,1771,1571,'8',5)
GO
INSERT INTO [dbo].[F5DatSportvereinOhneAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'4',6)
GO
INSERT INTO [dbo].[F5DatSportvereinOhneAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'5',7)
GO
INSERT INTO [dbo].[F5DatSportvereinOhneAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'6',8)
GO
INSERT INTO [dbo].[F5DatSportvereinOhneAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'7',9)
GO
INSERT INTO [dbo].[F5DatSportvereinOhneAnlagevermogen] ([STEUERSCHL],[MWSTKTO],[VORST_KTO],[Klasse],[LfdNr])
	VALUES (19,1776,1576,'8',10)
GO

SET IDENTITY_INSERT [dbo].[F5DatSportvereinOhneAnlagevermogen] OFF
