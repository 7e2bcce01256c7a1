IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='F5KontKulturverein') DROP TABLE F5KontKulturverein
GO

CREATE TABLE [dbo].[F5KontKulturverein] (
	[BUCHJAHR] [smallint] NOT NULL ,
	[KONTONR] [int] NOT NULL ,
	[BEZEICHG] [varchar] (40) NULL ,
	[ABHABEN] [numeric] (19, 8) NULL ,
	[ABSOLL] [numeric] (19, 8) NULL ,
	[JAHRUMSH] [numeric] (19, 8) NULL ,
	[JAHRUMSS] [numeric] (19, 8) NULL ,
	[BILANZGUV] [varchar] (8) NULL ,
	[KENNZAHL] [varchar] (10) NULL ,
	[KTOART] [varchar] (40) NULL ,
	[START] [varchar] (20) NULL ,
	[STSCHL] [smallint] NULL ,
	[KREDKONTO] [int] NULL ,
	[DEBITKTO] [int] NULL ,
	[MOUMSHJAN] [numeric] (19, 8) NULL ,
	[MOUMSSJAN] [numeric] (19, 8) NULL ,
	[MOUMSHFEB] [numeric] (19, 8) NULL ,
	[MOUMSSFEB] [numeric] (19, 8) NULL ,
	[MOUMSHMÄRZ] [numeric] (19, 8) NULL ,
	[MOUMSSMÄRZ] [numeric] (19, 8) NULL ,
	[MOUMSHAPRIL] [numeric] (19, 8) NULL ,
	[MOUMSSAPRIL] [numeric] (19, 8) NULL ,
	[MOUMSHMAI] [numeric] (19, 8) NULL ,
	[MOUMSSMAI] [numeric] (19, 8) NULL ,
	[MOUMSHJUNI] [numeric] (19, 8) NULL ,
	[MOUMSSJUNI] [numeric] (19, 8) NULL ,
	[MOUMSHJULI] [numeric] (19, 8) NULL ,
	[MOUMSSJULI] [numeric] (19, 8) NULL ,
	[MOUMSHAUG] [numeric] (19, 8) NULL ,
	[MOUMSSAUG] [numeric] (19, 8) NULL ,
	[MOUMSHSEP] [numeric] (19, 8) NULL ,
	[MOUMSSSEP] [numeric] (19, 8) NULL ,
	[MOUMSHOKT] [numeric] (19, 8) NULL ,
	[MOUMSSOKT] [numeric] (19, 8) NULL ,
	[MOUMSHNOV] [numeric] (19, 8) NULL ,
	[MOUMSSNOV] [numeric] (19, 8) NULL ,
	[MOUMSHDEZ] [numeric] (19, 8) NULL ,
	[MOUMSSDEZ] [numeric] (19, 8) NULL ,
	[VERDICHTEN] [varchar] (6) NULL ,
	[KENNZUSTV] [smallint] NULL ,
	[SEITENZAHL] [smallint] NULL ,
	[SPERRE] [varchar] (6) NULL ,
	[FÄLLIGKEIT1] [smallint] NULL ,
	[SKONTO1_] [numeric] (19, 8) NULL ,
	[FÄLLIGKEIT2] [smallint] NULL ,
	[SKONTO2_] [numeric] (19, 8) NULL ,
	[FÄLLIGKEIT3] [smallint] NULL ,
	[HAUPTKONTO] [numeric] (19, 8) NULL ,
	[VORLABHAB] [numeric] (19, 8) NULL ,
	[VORLABSOLL] [numeric] (19, 8) NULL ,
	[SEITENANZLE] [numeric] (19, 8) NULL ,
	[VALUTA] [varchar] (3) NULL ,
	[PlanJahrSoll] [numeric] (19, 8) NULL ,
	[PlanJahrHaben] [numeric] (19, 8) NULL ,
	[PlanSollJan] [numeric] (19, 8) NULL ,
	[PlanHabenJan] [numeric] (19, 8) NULL ,
	[PlanSollFeb] [numeric] (19, 8) NULL ,
	[PlanHabenFeb] [numeric] (19, 8) NULL ,
	[PlanSollMaerz] [numeric] (19, 8) NULL ,
	[PlanHabenMaerz] [numeric] (19, 8) NULL ,
	[PlanSollApril] [numeric] (19, 8) NULL ,
	[PlanHabenApril] [numeric] (19, 8) NULL ,
	[PlanSollMai] [numeric] (19, 8) NULL ,
	[PlanHabenMai] [numeric] (19, 8) NULL ,
	[PlanSollJuni] [numeric] (19, 8) NULL ,
	[PlanHabenJuni] [numeric] (19, 8) NULL ,
	[PlanSollJuli] [numeric] (19, 8) NULL ,
	[PlanHabenJuli] [numeric] (19, 8) NULL ,
	[PlanSollAug] [numeric] (19, 8) NULL ,
	[PlanHabenAug] [numeric] (19, 8) NULL ,
	[PlanSollSep] [numeric] (19, 8) NULL ,
	[PlanHabenSep] [numeric] (19, 8) NULL ,
	[PlanSollOkt] [numeric] (19, 8) NULL ,
	[PlanHabenOkt] [numeric] (19, 8) NULL ,
	[PlanSollNov] [numeric] (19, 8) NULL ,
	[PlanHabenNov] [numeric] (19, 8) NULL ,
	[PlanSollDez] [numeric] (19, 8) NULL ,
	[PlanHabenDez] [numeric] (19, 8) NULL ,
	[STSCH_U] [varchar] (1) NULL ,
	[KONTO_WGEWI] [numeric] (19, 8) NULL ,
	[KONTO_WVERL] [numeric] (19, 8) NULL ,
	[KOST_J_N] [varchar] (6) NULL ,
	[KontoArt] [varchar] (40) NULL ,
	[Bank] [varchar] (6) NULL ,
	[Unterkonto] [varchar] (1) NULL ,
	[HauptKto] [int] NULL ,
	[Bezeich2] [varchar] (40) NULL ,
	[KdLfNr] [varchar] (30) NULL ,
	[KennzGuV] [varchar] (10) NULL ,
	[KennzBilanz] [varchar] (10) NULL ,
	[KennzBWA] [varchar] (10) NULL ,
	[HHRest] [numeric] (19, 8) NULL ,
	[OPS] [varchar] (1) NULL ,
	[Spende] [char] (10) NULL ,
	[KennzEU] [char] (10) NULL ,
	[BenutzerErf] [varchar] (20) NULL ,
	[BenutzerAend] [varchar] (20) NULL ,
	[DatumErf] [datetime] NULL ,
	[DatumAend] [datetime] NULL ,
	[Kassenstand] [numeric] (18, 8) NULL ,
	[Anfangsbestand] [numeric] (18, 8) NULL ,
	[AktBelegNr] [numeric] (18, 8) NULL ,
	[KB] [char] (1) NULL ,
	[EINAUS] [char] (1) NULL ,
	[Steuersammelkonto] [varchar] (1) NULL ,
	[KennzEUR] [varchar] (7) NULL ,
	CONSTRAINT [PK_F5KontKulturverein] PRIMARY KEY  CLUSTERED 
	(
		[BUCHJAHR],
		[KONTONR]
	)  ON [PRIMARY] 
) ON [PRIMARY]
GO

INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,27,'EDV-Software','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,55,'Bebaute Grundstücke','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,310,'Musikinstrumente','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,320,'Bühnen- und Tontechnik','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,330,'Trachten und Kostüme','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,400,'Betriebs- und Geschäftsausstattung','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,420,'Büroeinrichtung','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,480,'Geringwertige Wirtschaftsgüter','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,800,'Vereinsvermögen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,810,'Ergebnisvortrag','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,830,'Freie Rücklage § 62 Abs. 1 Nr. 3 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,840,'Projektrücklage § 62 Abs. 1 Nr. 1 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,950,'Sonstige Rückstellungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1000,'Kasse','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1200,'Bank Girokonto','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1210,'Bank Tagesgeldkonto','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1220,'Bank Sparkonto Rücklagen','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1360,'Geldtransit','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1400,'Forderungen Mitgliedsbeiträge','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1410,'Forderungen Lieferungen und Leistungen','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1500,'Sonstige Vermögensgegenstände','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1571,'Abziehbare Vorsteuer 7 %','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1576,'Abziehbare Vorsteuer 19 %','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1590,'Durchlaufende Posten','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1600,'Verbindlichkeiten Lieferungen/Leistungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1700,'Sonstige Verbindlichkeiten','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1771,'Umsatzsteuer 7 %','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1776,'Umsatzsteuer 19 %','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1780,'Umsatzsteuer-Vorauszahlungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1790,'Umsatzsteuer Vorjahr','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1900,'Aktive Rechnungsabgrenzung','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1950,'Passive Rechnungsabgrenzung','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2000,'Mitgliedsbeiträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2010,'Aufnahmegebühren','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2030,'Umlagen','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2100,'Geldspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2110,'Sachspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2120,'Zweckgebundene Spenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2150,'Erbschaften und Vermächtnisse','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2200,'Zuschüsse der Gemeinde','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2220,'Zuschüsse Kulturförderung','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2240,'Zuschüsse Landkreis','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2300,'Zuweisungen von Bußgeldern','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2500,'Verbandsbeiträge','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2530,'Beiträge Musik- und Kulturverbände','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2600,'Übungsleiterpauschalen § 3 Nr. 26 EStG','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2610,'Ehrenamtspauschalen § 3 Nr. 26a EStG','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2620,'Aufwandsentschädigungen Vorstand','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2630,'Dirigenten- und Chorleiterhonorare','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2700,'Miete Übungsräume','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2720,'Strom, Gas, Wasser','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2730,'Reinigung','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2750,'Versicherungen','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2770,'Noten und Instrumentenpflege','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2780,'Jugendarbeit','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2790,'Ehrungen und Geschenke','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2800,'Bürobedarf','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2810,'Porto und Telefon','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2820,'Kontoführungsgebühren','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2830,'Rechts- und Beratungskosten','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2840,'EDV und Vereinssoftware','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2850,'Mitgliederversammlung','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2860,'Reisekosten','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2880,'Abschreibungen ideeller Bereich','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2890,'Sonstige Ausgaben ideeller Bereich','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3000,'Zinserträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4020,'Kursgebühren','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4030,'Eintritt Konzerte und Aufführungen','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4040,'Unterrichtsgebühren Musikschule','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4050,'Zuschüsse Zweckbetrieb','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,4520,'Veranstaltungskosten Zweckbetrieb','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,4530,'Künstlerhonorare und GEMA','GUV','','Aufwand','VSt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4540,'Kursleiterhonorare','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5000,'Erlöse Speisen und Getränke 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5010,'Erlöse Speisen außer Haus 7 %','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5020,'Erlöse Vereinsfeste 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5035,'Erlöse Anzeigen Vereinszeitschrift 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5040,'Erlöse Sponsoring 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5060,'Erlöse Programmhefte und Tonträger 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5070,'Erlöse Flohmarkt und Basar 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5500,'Wareneinkauf Speisen 7 %','GUV','','Aufwand','VSt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5510,'Wareneinkauf Getränke 19 %','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5520,'Kosten Vereinsfeste','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5530,'Kosten Werbung und Anzeigen','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,5560,'Körperschaft- und Gewerbesteuer','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9000,'Saldenvorträge Sachkonten','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9008,'Saldenvorträge Debitoren','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9009,'Saldenvorträge Kreditoren','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9090,'Summenvortragskonto','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO

IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='F5KontKulturvereinUndSportverein') DROP TABLE F5KontKulturvereinUndSportverein
GO

CREATE TABLE [dbo].[F5KontKulturvereinUndSportverein] (
	[BUCHJAHR] [smallint] NOT NULL ,
	[KONTONR] [int] NOT NULL ,
	[BEZEICHG] [varchar] (40) NULL ,
	[ABHABEN] [numeric] (19, 8) NULL ,
	[ABSOLL] [numeric] (19, 8) NULL ,
	[JAHRUMSH] [numeric] (19, 8) NULL ,
	[JAHRUMSS] [numeric] (19, 8) NULL ,
	[BILANZGUV] [varchar] (8) NULL ,
	[KENNZAHL] [varchar] (10) NULL ,
	[KTOART] [varchar] (40) NULL ,
	[START] [varchar] (20) NULL ,
	[STSCHL] [smallint] NULL ,
	[KREDKONTO] [int] NULL ,
	[DEBITKTO] [int] NULL ,
	[MOUMSHJAN] [numeric] (19, 8) NULL ,
	[MOUMSSJAN] [numeric] (19, 8) NULL ,
	[MOUMSHFEB] [numeric] (19, 8) NULL ,
	[MOUMSSFEB] [numeric] (19, 8) NULL ,
	[MOUMSHMÄRZ] [numeric] (19, 8) NULL ,
	[MOUMSSMÄRZ] [numeric] (19, 8) NULL ,
	[MOUMSHAPRIL] [numeric] (19, 8) NULL ,
	[MOUMSSAPRIL] [numeric] (19, 8) NULL ,
	[MOUMSHMAI] [numeric] (19, 8) NULL ,
	[MOUMSSMAI] [numeric] (19, 8) NULL ,
	[MOUMSHJUNI] [numeric] (19, 8) NULL ,
	[MOUMSSJUNI] [numeric] (19, 8) NULL ,
	[MOUMSHJULI] [numeric] (19, 8) NULL ,
	[MOUMSSJULI] [numeric] (19, 8) NULL ,
	[MOUMSHAUG] [numeric] (19, 8) NULL ,
	[MOUMSSAUG] [numeric] (19, 8) NULL ,
	[MOUMSHSEP] [numeric] (19, 8) NULL ,
	[MOUMSSSEP] [numeric] (19, 8) NULL ,
	[MOUMSHOKT] [numeric] (19, 8) NULL ,
	[MOUMSSOKT] [numeric] (19, 8) NULL ,
	[MOUMSHNOV] [numeric] (19, 8) NULL ,
	[MOUMSSNOV] [numeric] (19, 8) NULL ,
	[MOUMSHDEZ] [numeric] (19, 8) NULL ,
	[MOUMSSDEZ] [numeric] (19, 8) NULL ,
	[VERDICHTEN] [varchar] (6) NULL ,
	[KENNZUSTV] [smallint] NULL ,
	[SEITENZAHL] [smallint] NULL ,
	[SPERRE] [varchar] (6) NULL ,
	[FÄLLIGKEIT1] [smallint] NULL ,
	[SKONTO1_] [numeric] (19, 8) NULL ,
	[FÄLLIGKEIT2] [smallint] NULL ,
	[SKONTO2_] [numeric] (19, 8) NULL ,
	[FÄLLIGKEIT3] [smallint] NULL ,
	[HAUPTKONTO] [numeric] (19, 8) NULL ,
	[VORLABHAB] [numeric] (19, 8) NULL ,
	[VORLABSOLL] [numeric] (19, 8) NULL ,
	[SEITENANZLE] [numeric] (19, 8) NULL ,
	[VALUTA] [varchar] (3) NULL ,
	[PlanJahrSoll] [numeric] (19, 8) NULL ,
	[PlanJahrHaben] [numeric] (19, 8) NULL ,
	[PlanSollJan] [numeric] (19, 8) NULL ,
	[PlanHabenJan] [numeric] (19, 8) NULL ,
	[PlanSollFeb] [numeric] (19, 8) NULL ,
	[PlanHabenFeb] [numeric] (19, 8) NULL ,
	[PlanSollMaerz] [numeric] (19, 8) NULL ,
	[PlanHabenMaerz] [numeric] (19, 8) NULL ,
	[PlanSollApril] [numeric] (19, 8) NULL ,
	[PlanHabenApril] [numeric] (19, 8) NULL ,
	[PlanSollMai] [numeric] (19, 8) NULL ,
	[PlanHabenMai] [numeric] (19, 8) NULL ,
	[PlanSollJuni] [numeric] (19, 8) NULL ,
	[PlanHabenJuni] [numeric] (19, 8) NULL ,
	[PlanSollJuli] [numeric] (19, 8) NULL ,
	[PlanHabenJuli] [numeric] (19, 8) NULL ,
	[PlanSollAug] [numeric] (19, 8) NULL ,
	[PlanHabenAug] [numeric] (19, 8) NULL ,
	[PlanSollSep] [numeric] (19, 8) NULL ,
	[PlanHabenSep] [numeric] (19, 8) NULL ,
	[PlanSollOkt] [numeric] (19, 8) NULL ,
	[PlanHabenOkt] [numeric] (19, 8) NULL ,
	[PlanSollNov] [numeric] (19, 8) NULL ,
	[PlanHabenNov] [numeric] (19, 8) NULL ,
	[PlanSollDez] [numeric] (19, 8) NULL ,
	[PlanHabenDez] [numeric] (19, 8) NULL ,
	[STSCH_U] [varchar] (1) NULL ,
	[KONTO_WGEWI] [numeric] (19, 8) NULL ,
	[KONTO_WVERL] [numeric] (19, 8) NULL ,
	[KOST_J_N] [varchar] (6) NULL ,
	[KontoArt] [varchar] (40) NULL ,
	[Bank] [varchar] (6) NULL ,
	[Unterkonto] [varchar] (1) NULL ,
	[HauptKto] [int] NULL ,
	[Bezeich2] [varchar] (40) NULL ,
	[KdLfNr] [varchar] (30) NULL ,
	[KennzGuV] [varchar] (10) NULL ,
	[KennzBilanz] [varchar] (10) NULL ,
	[KennzBWA] [varchar] (10) NULL ,
	[HHRest] [numeric] (19, 8) NULL ,
	[OPS] [varchar] (1) NULL ,
	[Spende] [char] (10) NULL ,
	[KennzEU] [char] (10) NULL ,
	[BenutzerErf] [varchar] (20) NULL ,
	[BenutzerAend] [varchar] (20) NULL ,
	[DatumErf] [datetime] NULL ,
	[DatumAend] [datetime] NULL ,
	[Kassenstand] [numeric] (18, 8) NULL ,
	[Anfangsbestand] [numeric] (18, 8) NULL ,
	[AktBelegNr] [numeric] (18, 8) NULL ,
	[KB] [char] (1) NULL ,
	[EINAUS] [char] (1) NULL ,
	[Steuersammelkonto] [varchar] (1) NULL ,
	[KennzEUR] [varchar] (7) NULL ,
	CONSTRAINT [PK_F5KontKulturvereinUndSportverein] PRIMARY KEY  CLUSTERED 
	(
		[BUCHJAHR],
		[KONTONR]
	)  ON [PRIMARY] 
) ON [PRIMARY]
GO

INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,27,'EDV-Software','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,55,'Bebaute Grundstücke','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,100,'Vereinsheim','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,300,'Sportgeräte','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,310,'Musikinstrumente','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,320,'Bühnen- und Tontechnik','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,400,'Betriebs- und Geschäftsausstattung','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,420,'Büroeinrichtung','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,480,'Geringwertige Wirtschaftsgüter','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,800,'Vereinsvermögen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,810,'Ergebnisvortrag','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,830,'Freie Rücklage § 62 Abs. 1 Nr. 3 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,840,'Projektrücklage § 62 Abs. 1 Nr. 1 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,850,'Wiederbeschaffungsrücklage § 62 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,950,'Sonstige Rückstellungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,970,'Darlehen Kreditinstitute','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1000,'Kasse','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1010,'Kasse Vereinsheim','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1020,'Kasse Abteilungen','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1030,'Handkasse Jugend','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1200,'Bank Girokonto','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1210,'Bank Tagesgeldkonto','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1220,'Bank Sparkonto Rücklagen','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1360,'Geldtransit','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1400,'Forderungen Mitgliedsbeiträge','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1410,'Forderungen Lieferungen und Leistungen','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1500,'Sonstige Vermögensgegenstände','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1550,'Forderungen an Landessportbund','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1571,'Abziehbare Vorsteuer 7 %','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1576,'Abziehbare Vorsteuer 19 %','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1590,'Durchlaufende Posten','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1600,'Verbindlichkeiten Lieferungen/Leistungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1700,'Sonstige Verbindlichkeiten','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1740,'Verbindlichkeiten Löhne und Gehälter','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1741,'Verbindlichkeiten Lohnsteuer','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1742,'Verbindlichkeiten soziale Sicherheit','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1750,'Verbindlichkeiten Verbandsabgaben','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1771,'Umsatzsteuer 7 %','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1776,'Umsatzsteuer 19 %','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1780,'Umsatzsteuer-Vorauszahlungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1790,'Umsatzsteuer Vorjahr','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1900,'Aktive Rechnungsabgrenzung','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1950,'Passive Rechnungsabgrenzung','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2000,'Mitgliedsbeiträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2010,'Aufnahmegebühren','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2020,'Mitgliedsbeiträge Jugend','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2025,'Abteilungsbeiträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2030,'Umlagen','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2100,'Geldspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2110,'Sachspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2120,'Zweckgebundene Spenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2130,'Aufwandsspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2200,'Zuschüsse der Gemeinde','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2210,'Zuschüsse Landessportbund','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2220,'Zuschüsse Kulturförderung','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2230,'Zuschüsse Übungsleiter','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2240,'Zuschüsse Landkreis','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2500,'Verbandsbeiträge','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2510,'Beiträge Landessportbund','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2520,'Beiträge Fachverbände','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2530,'Beiträge Musik- und Kulturverbände','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2600,'Übungsleiterpauschalen § 3 Nr. 26 EStG','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2610,'Ehrenamtspauschalen § 3 Nr. 26a EStG','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2620,'Aufwandsentschädigungen Vorstand','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2630,'Dirigenten- und Chorleiterhonorare','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2640,'Trainerhonorare','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2700,'Miete Übungsräume','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2710,'Hallenmiete','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2720,'Strom, Gas, Wasser','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2730,'Reinigung','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2745,'Instandhaltung Vereinsheim','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2750,'Versicherungen','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2760,'Sportgeräte und Sportbekleidung','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2770,'Noten und Instrumentenpflege','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2780,'Jugendarbeit','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2790,'Ehrungen und Geschenke','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2800,'Bürobedarf','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2810,'Porto und Telefon','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2820,'Kontoführungsgebühren','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2830,'Rechts- und Beratungskosten','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2840,'EDV und Vereinssoftware','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2850,'Mitgliederversammlung','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2860,'Reisekosten','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2870,'Fahrtkosten Mannschaften','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2880,'Abschreibungen ideeller Bereich','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2890,'Sonstige Ausgaben ideeller Bereich','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3000,'Zinserträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3100,'Mieteinnahmen Vereinsheim','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3110,'Pachteinnahmen Vereinsgaststätte','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,3120,'Überlassung von Werberechten','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3500,'Grundstückskosten Vermögensverwaltung','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3510,'Zinsaufwand Darlehen','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4000,'Eintritt sportliche Veranstaltungen','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4010,'Startgelder und Teilnehmergebühren','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4020,'Kursgebühren','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4030,'Eintritt Konzerte und Aufführungen','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4050,'Zuschüsse Zweckbetrieb','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4500,'Schiedsrichterkosten','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4510,'Meldegelder und Startgebühren','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,4520,'Veranstaltungskosten Zweckbetrieb','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,4530,'Künstlerhonorare und GEMA','GUV','','Aufwand','VSt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4540,'Kursleiterhonorare','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4550,'Sportstättenmiete Zweckbetrieb','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5000,'Erlöse Speisen und Getränke 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5010,'Erlöse Speisen außer Haus 7 %','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5020,'Erlöse Vereinsfeste 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5030,'Erlöse Banden- und Trikotwerbung 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5035,'Erlöse Anzeigen Vereinszeitschrift 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5040,'Erlöse Sponsoring 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5050,'Erlöse Verkauf Sportartikel 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5060,'Erlöse Programmhefte und Tonträger 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5500,'Wareneinkauf Speisen 7 %','GUV','','Aufwand','VSt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5510,'Wareneinkauf Getränke 19 %','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5520,'Kosten Vereinsfeste','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5530,'Kosten Werbung und Anzeigen','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,5540,'Personalkosten Vereinsgaststätte','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,5560,'Körperschaft- und Gewerbesteuer','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9000,'Saldenvorträge Sachkonten','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9008,'Saldenvorträge Debitoren','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9009,'Saldenvorträge Kreditoren','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontKulturvereinUndSportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9090,'Summenvortragskonto','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO

IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='F5KontMitBezahltenSport') DROP TABLE F5KontMitBezahltenSport
GO

CREATE TABLE [dbo].[F5KontMitBezahltenSport] (
	[BUCHJAHR] [smallint] NOT NULL ,
	[KONTONR] [int] NOT NULL ,
	[BEZEICHG] [varchar] (40) NULL ,
	[ABHABEN] [numeric] (19, 8) NULL ,
	[ABSOLL] [numeric] (19, 8) NULL ,
	[JAHRUMSH] [numeric] (19, 8) NULL ,
	[JAHRUMSS] [numeric] (19, 8) NULL ,
	[BILANZGUV] [varchar] (8) NULL ,
	[KENNZAHL] [varchar] (10) NULL ,
	[KTOART] [varchar] (40) NULL ,
	[START] [varchar] (20) NULL ,
	[STSCHL] [smallint] NULL ,
	[KREDKONTO] [int] NULL ,
	[DEBITKTO] [int] NULL ,
	[MOUMSHJAN] [numeric] (19, 8) NULL ,
	[MOUMSSJAN] [numeric] (19, 8) NULL ,
	[MOUMSHFEB] [numeric] (19, 8) NULL ,
	[MOUMSSFEB] [numeric] (19, 8) NULL ,
	[MOUMSHMÄRZ] [numeric] (19, 8) NULL ,
	[MOUMSSMÄRZ] [numeric] (19, 8) NULL ,
	[MOUMSHAPRIL] [numeric] (19, 8) NULL ,
	[MOUMSSAPRIL] [numeric] (19, 8) NULL ,
	[MOUMSHMAI] [numeric] (19, 8) NULL ,
	[MOUMSSMAI] [numeric] (19, 8) NULL ,
	[MOUMSHJUNI] [numeric] (19, 8) NULL ,
	[MOUMSSJUNI] [numeric] (19, 8) NULL ,
	[MOUMSHJULI] [numeric] (19, 8) NULL ,
	[MOUMSSJULI] [numeric] (19, 8) NULL ,
	[MOUMSHAUG] [numeric] (19, 8) NULL ,
	[MOUMSSAUG] [numeric] (19, 8) NULL ,
	[MOUMSHSEP] [numeric] (19, 8) NULL ,
	[MOUMSSSEP] [numeric] (19, 8) NULL ,
	[MOUMSHOKT] [numeric] (19, 8) NULL ,
	[MOUMSSOKT] [numeric] (19, 8) NULL ,
	[MOUMSHNOV] [numeric] (19, 8) NULL ,
	[MOUMSSNOV] [numeric] (19, 8) NULL ,
	[MOUMSHDEZ] [numeric] (19, 8) NULL ,
	[MOUMSSDEZ] [numeric] (19, 8) NULL ,
	[VERDICHTEN] [varchar] (6) NULL ,
	[KENNZUSTV] [smallint] NULL ,
	[SEITENZAHL] [smallint] NULL ,
	[SPERRE] [varchar] (6) NULL ,
	[FÄLLIGKEIT1] [smallint] NULL ,
	[SKONTO1_] [numeric] (19, 8) NULL ,
	[FÄLLIGKEIT2] [smallint] NULL ,
	[SKONTO2_] [numeric] (19, 8) NULL ,
	[FÄLLIGKEIT3] [smallint] NULL ,
	[HAUPTKONTO] [numeric] (19, 8) NULL ,
	[VORLABHAB] [numeric] (19, 8) NULL ,
	[VORLABSOLL] [numeric] (19, 8) NULL ,
	[SEITENANZLE] [numeric] (19, 8) NULL ,
	[VALUTA] [varchar] (3) NULL ,
	[PlanJahrSoll] [numeric] (19, 8) NULL ,
	[PlanJahrHaben] [numeric] (19, 8) NULL ,
	[PlanSollJan] [numeric] (19, 8) NULL ,
	[PlanHabenJan] [numeric] (19, 8) NULL ,
	[PlanSollFeb] [numeric] (19, 8) NULL ,
	[PlanHabenFeb] [numeric] (19, 8) NULL ,
	[PlanSollMaerz] [numeric] (19, 8) NULL ,
	[PlanHabenMaerz] [numeric] (19, 8) NULL ,
	[PlanSollApril] [numeric] (19, 8) NULL ,
	[PlanHabenApril] [numeric] (19, 8) NULL ,
	[PlanSollMai] [numeric] (19, 8) NULL ,
	[PlanHabenMai] [numeric] (19, 8) NULL ,
	[PlanSollJuni] [numeric] (19, 8) NULL ,
	[PlanHabenJuni] [numeric] (19, 8) NULL ,
	[PlanSollJuli] [numeric] (19, 8) NULL ,
	[PlanHabenJuli] [numeric] (19, 8) NULL ,
	[PlanSollAug] [numeric] (19, 8) NULL ,
	[PlanHabenAug] [numeric] (19, 8) NULL ,
	[PlanSollSep] [numeric] (19, 8) NULL ,
	[PlanHabenSep] [numeric] (19, 8) NULL ,
	[PlanSollOkt] [numeric] (19, 8) NULL ,
	[PlanHabenOkt] [numeric] (19, 8) NULL ,
	[PlanSollNov] [numeric] (19, 8) NULL ,
	[PlanHabenNov] [numeric] (19, 8) NULL ,
	[PlanSollDez] [numeric] (19, 8) NULL ,
	[PlanHabenDez] [numeric] (19, 8) NULL ,
	[STSCH_U] [varchar] (1) NULL ,
	[KONTO_WGEWI] [numeric] (19, 8) NULL ,
	[KONTO_WVERL] [numeric] (19, 8) NULL ,
	[KOST_J_N] [varchar] (6) NULL ,
	[KontoArt] [varchar] (40) NULL ,
	[Bank] [varchar] (6) NULL ,
	[Unterkonto] [varchar] (1) NULL ,
	[HauptKto] [int] NULL ,
	[Bezeich2] [varchar] (40) NULL ,
	[KdLfNr] [varchar] (30) NULL ,
	[KennzGuV] [varchar] (10) NULL ,
	[KennzBilanz] [varchar] (10) NULL ,
	[KennzBWA] [varchar] (10) NULL ,
	[HHRest] [numeric] (19, 8) NULL ,
	[OPS] [varchar] (1) NULL ,
	[Spende] [char] (10) NULL ,
	[KennzEU] [char] (10) NULL ,
	[BenutzerErf] [varchar] (20) NULL ,
	[BenutzerAend] [varchar] (20) NULL ,
	[DatumErf] [datetime] NULL ,
	[DatumAend] [datetime] NULL ,
	[Kassenstand] [numeric] (18, 8) NULL ,
	[Anfangsbestand] [numeric] (18, 8) NULL ,
	[AktBelegNr] [numeric] (18, 8) NULL ,
	[KB] [char] (1) NULL ,
	[EINAUS] [char] (1) NULL ,
	[Steuersammelkonto] [varchar] (1) NULL ,
	[KennzEUR] [varchar] (7) NULL ,
	CONSTRAINT [PK_F5KontMitBezahltenSport] PRIMARY KEY  CLUSTERED 
	(
		[BUCHJAHR],
		[KONTONR]
	)  ON [PRIMARY] 
) ON [PRIMARY]
GO

INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,27,'EDV-Software','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,50,'Unbebaute Grundstücke','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,55,'Bebaute Grundstücke','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,100,'Vereinsheim','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,110,'Sporthalle','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,120,'Sportplätze und Außenanlagen','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,200,'Technische Anlagen (Flutlicht)','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,300,'Sportgeräte','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,400,'Betriebs- und Geschäftsausstattung','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,420,'Büroeinrichtung','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,480,'Geringwertige Wirtschaftsgüter','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,520,'Fahrzeuge (Vereinsbus)','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,600,'Finanzanlagen, Wertpapiere','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,800,'Vereinsvermögen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,810,'Ergebnisvortrag','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,830,'Freie Rücklage § 62 Abs. 1 Nr. 3 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,840,'Projektrücklage § 62 Abs. 1 Nr. 1 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,850,'Wiederbeschaffungsrücklage § 62 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,900,'Sonderposten Investitionszuschüsse','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,950,'Sonstige Rückstellungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,970,'Darlehen Kreditinstitute','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,980,'Darlehen von Mitgliedern','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1000,'Kasse','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1010,'Kasse Vereinsheim','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1030,'Handkasse Jugend','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1200,'Bank Girokonto','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1210,'Bank Tagesgeldkonto','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1220,'Bank Sparkonto Rücklagen','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1360,'Geldtransit','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1400,'Forderungen Mitgliedsbeiträge','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1410,'Forderungen Lieferungen und Leistungen','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1500,'Sonstige Vermögensgegenstände','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1550,'Forderungen an Landessportbund','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1571,'Abziehbare Vorsteuer 7 %','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1576,'Abziehbare Vorsteuer 19 %','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1590,'Durchlaufende Posten','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1600,'Verbindlichkeiten Lieferungen/Leistungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1700,'Sonstige Verbindlichkeiten','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1740,'Verbindlichkeiten Löhne und Gehälter','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1741,'Verbindlichkeiten Lohnsteuer','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1742,'Verbindlichkeiten soziale Sicherheit','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1750,'Verbindlichkeiten Verbandsabgaben','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1771,'Umsatzsteuer 7 %','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1776,'Umsatzsteuer 19 %','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1780,'Umsatzsteuer-Vorauszahlungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1790,'Umsatzsteuer Vorjahr','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1900,'Aktive Rechnungsabgrenzung','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1950,'Passive Rechnungsabgrenzung','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2000,'Mitgliedsbeiträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2010,'Aufnahmegebühren','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2020,'Mitgliedsbeiträge Jugend','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2030,'Umlagen','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2100,'Geldspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2110,'Sachspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2120,'Zweckgebundene Spenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2130,'Aufwandsspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2200,'Zuschüsse der Gemeinde','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2210,'Zuschüsse Landessportbund','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2230,'Zuschüsse Übungsleiter','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2500,'Verbandsbeiträge','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2510,'Beiträge Landessportbund','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2520,'Beiträge Fachverbände','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2600,'Übungsleiterpauschalen § 3 Nr. 26 EStG','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2610,'Ehrenamtspauschalen § 3 Nr. 26a EStG','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2620,'Aufwandsentschädigungen Vorstand','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2640,'Trainerhonorare','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2710,'Hallenmiete','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2720,'Strom, Gas, Wasser','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2730,'Reinigung','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2740,'Instandhaltung Sportanlagen','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2745,'Instandhaltung Vereinsheim','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2750,'Versicherungen','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2760,'Sportgeräte und Sportbekleidung','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2780,'Jugendarbeit','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2790,'Ehrungen und Geschenke','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2800,'Bürobedarf','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2810,'Porto und Telefon','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2820,'Kontoführungsgebühren','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2830,'Rechts- und Beratungskosten','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2840,'EDV und Vereinssoftware','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2850,'Mitgliederversammlung','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2860,'Reisekosten','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2870,'Fahrtkosten Mannschaften','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2880,'Abschreibungen ideeller Bereich','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2890,'Sonstige Ausgaben ideeller Bereich','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3000,'Zinserträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3010,'Erträge aus Wertpapieren','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3100,'Mieteinnahmen Vereinsheim','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3110,'Pachteinnahmen Vereinsgaststätte','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,3120,'Überlassung von Werberechten','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3500,'Grundstückskosten Vermögensverwaltung','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3510,'Zinsaufwand Darlehen','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3520,'Abschreibungen Vermögensverwaltung','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3530,'Depotgebühren','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4000,'Eintritt sportliche Veranstaltungen','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4010,'Startgelder und Teilnehmergebühren','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4020,'Kursgebühren','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4050,'Zuschüsse Zweckbetrieb','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4500,'Schiedsrichterkosten','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4510,'Meldegelder und Startgebühren','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,4520,'Veranstaltungskosten Zweckbetrieb','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4540,'Kursleiterhonorare','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4550,'Sportstättenmiete Zweckbetrieb','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5000,'Erlöse Speisen und Getränke 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5010,'Erlöse Speisen außer Haus 7 %','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5020,'Erlöse Vereinsfeste 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5030,'Erlöse Banden- und Trikotwerbung 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5035,'Erlöse Anzeigen Vereinszeitschrift 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5040,'Erlöse Sponsoring 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5050,'Erlöse Verkauf Sportartikel 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5500,'Wareneinkauf Speisen 7 %','GUV','','Aufwand','VSt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5510,'Wareneinkauf Getränke 19 %','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5520,'Kosten Vereinsfeste','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5530,'Kosten Werbung und Anzeigen','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,5540,'Personalkosten Vereinsgaststätte','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,5550,'Abschreibungen wirtsch. Geschäftsbetrieb','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,5560,'Körperschaft- und Gewerbesteuer','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5600,'Eintritt Veranstaltungen § 67a AO','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5610,'Ablösezahlungen (Erlös)','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5620,'Werbeeinnahmen bezahlter Sport','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,5650,'Vergütungen an bezahlte Sportler','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,5660,'Gehälter Trainer bezahlter Sport','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,5670,'Sozialabgaben bezahlter Sport','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,5680,'Reisekosten bezahlter Sport','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5690,'Ablösezahlungen (Aufwand)','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9000,'Saldenvorträge Sachkonten','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9008,'Saldenvorträge Debitoren','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9009,'Saldenvorträge Kreditoren','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMitBezahltenSport] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9090,'Summenvortragskonto','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO

IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='F5KontMonosportverein') DROP TABLE F5KontMonosportverein
GO

CREATE TABLE [dbo].[F5KontMonosportverein] (
	[BUCHJAHR] [smallint] NOT NULL ,
	[KONTONR] [int] NOT NULL ,
	[BEZEICHG] [varchar] (40) NULL ,
	[ABHABEN] [numeric] (19, 8) NULL ,
	[ABSOLL] [numeric] (19, 8) NULL ,
	[JAHRUMSH] [numeric] (19, 8) NULL ,
	[JAHRUMSS] [numeric] (19, 8) NULL ,
	[BILANZGUV] [varchar] (8) NULL ,
	[KENNZAHL] [varchar] (10) NULL ,
	[KTOART] [varchar] (40) NULL ,
	[START] [varchar] (20) NULL ,
	[STSCHL] [smallint] NULL ,
	[KREDKONTO] [int] NULL ,
	[DEBITKTO] [int] NULL ,
	[MOUMSHJAN] [numeric] (19, 8) NULL ,
	[MOUMSSJAN] [numeric] (19, 8) NULL ,
	[MOUMSHFEB] [numeric] (19, 8) NULL ,
	[MOUMSSFEB] [numeric] (19, 8) NULL ,
	[MOUMSHMÄRZ] [numeric] (19, 8) NULL ,
	[MOUMSSMÄRZ] [numeric] (19, 8) NULL ,
	[MOUMSHAPRIL] [numeric] (19, 8) NULL ,
	[MOUMSSAPRIL] [numeric] (19, 8) NULL ,
	[MOUMSHMAI] [numeric] (19, 8) NULL ,
	[MOUMSSMAI] [numeric] (19, 8) NULL ,
	[MOUMSHJUNI] [numeric] (19, 8) NULL ,
	[MOUMSSJUNI] [numeric] (19, 8) NULL ,
	[MOUMSHJULI] [numeric] (19, 8) NULL ,
	[MOUMSSJULI] [numeric] (19, 8) NULL ,
	[MOUMSHAUG] [numeric] (19, 8) NULL ,
	[MOUMSSAUG] [numeric] (19, 8) NULL ,
	[MOUMSHSEP] [numeric] (19, 8) NULL ,
	[MOUMSSSEP] [numeric] (19, 8) NULL ,
	[MOUMSHOKT] [numeric] (19, 8) NULL ,
	[MOUMSSOKT] [numeric] (19, 8) NULL ,
	[MOUMSHNOV] [numeric] (19, 8) NULL ,
	[MOUMSSNOV] [numeric] (19, 8) NULL ,
	[MOUMSHDEZ] [numeric] (19, 8) NULL ,
	[MOUMSSDEZ] [numeric] (19, 8) NULL ,
	[VERDICHTEN] [varchar] (6) NULL ,
	[KENNZUSTV] [smallint] NULL ,
	[SEITENZAHL] [smallint] NULL ,
	[SPERRE] [varchar] (6) NULL ,
	[FÄLLIGKEIT1] [smallint] NULL ,
	[SKONTO1_] [numeric] (19, 8) NULL ,
	[FÄLLIGKEIT2] [smallint] NULL ,
	[SKONTO2_] [numeric] (19, 8) NULL ,
	[FÄLLIGKEIT3] [smallint] NULL ,
	[HAUPTKONTO] [numeric] (19, 8) NULL ,
	[VORLABHAB] [numeric] (19, 8) NULL ,
	[VORLABSOLL] [numeric] (19, 8) NULL ,
	[SEITENANZLE] [numeric] (19, 8) NULL ,
	[VALUTA] [varchar] (3) NULL ,
	[PlanJahrSoll] [numeric] (19, 8) NULL ,
	[PlanJahrHaben] [numeric] (19, 8) NULL ,
	[PlanSollJan] [numeric] (19, 8) NULL ,
	[PlanHabenJan] [numeric] (19, 8) NULL ,
	[PlanSollFeb] [numeric] (19, 8) NULL ,
	[PlanHabenFeb] [numeric] (19, 8) NULL ,
	[PlanSollMaerz] [numeric] (19, 8) NULL ,
	[PlanHabenMaerz] [numeric] (19, 8) NULL ,
	[PlanSollApril] [numeric] (19, 8) NULL ,
	[PlanHabenApril] [numeric] (19, 8) NULL ,
	[PlanSollMai] [numeric] (19, 8) NULL ,
	[PlanHabenMai] [numeric] (19, 8) NULL ,
	[PlanSollJuni] [numeric] (19, 8) NULL ,
	[PlanHabenJuni] [numeric] (19, 8) NULL ,
	[PlanSollJuli] [numeric] (19, 8) NULL ,
	[PlanHabenJuli] [numeric] (19, 8) NULL ,
	[PlanSollAug] [numeric] (19, 8) NULL ,
	[PlanHabenAug] [numeric] (19, 8) NULL ,
	[PlanSollSep] [numeric] (19, 8) NULL ,
	[PlanHabenSep] [numeric] (19, 8) NULL ,
	[PlanSollOkt] [numeric] (19, 8) NULL ,
	[PlanHabenOkt] [numeric] (19, 8) NULL ,
	[PlanSollNov] [numeric] (19, 8) NULL ,
	[PlanHabenNov] [numeric] (19, 8) NULL ,
	[PlanSollDez] [numeric] (19, 8) NULL ,
	[PlanHabenDez] [numeric] (19, 8) NULL ,
	[STSCH_U] [varchar] (1) NULL ,
	[KONTO_WGEWI] [numeric] (19, 8) NULL ,
	[KONTO_WVERL] [numeric] (19, 8) NULL ,
	[KOST_J_N] [varchar] (6) NULL ,
	[KontoArt] [varchar] (40) NULL ,
	[Bank] [varchar] (6) NULL ,
	[Unterkonto] [varchar] (1) NULL ,
	[HauptKto] [int] NULL ,
	[Bezeich2] [varchar] (40) NULL ,
	[KdLfNr] [varchar] (30) NULL ,
	[KennzGuV] [varchar] (10) NULL ,
	[KennzBilanz] [varchar] (10) NULL ,
	[KennzBWA] [varchar] (10) NULL ,
	[HHRest] [numeric] (19, 8) NULL ,
	[OPS] [varchar] (1) NULL ,
	[Spende] [char] (10) NULL ,
	[KennzEU] [char] (10) NULL ,
	[BenutzerErf] [varchar] (20) NULL ,
	[BenutzerAend] [varchar] (20) NULL ,
	[DatumErf] [datetime] NULL ,
	[DatumAend] [datetime] NULL ,
	[Kassenstand] [numeric] (18, 8) NULL ,
	[Anfangsbestand] [numeric] (18, 8) NULL ,
	[AktBelegNr] [numeric] (18, 8) NULL ,
	[KB] [char] (1) NULL ,
	[EINAUS] [char] (1) NULL ,
	[Steuersammelkonto] [varchar] (1) NULL ,
	[KennzEUR] [varchar] (7) NULL ,
	CONSTRAINT [PK_F5KontMonosportverein] PRIMARY KEY  CLUSTERED 
	(
		[BUCHJAHR],
		[KONTONR]
	)  ON [PRIMARY] 
) ON [PRIMARY]
GO

INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,300,'Sportgeräte','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,800,'Vereinsvermögen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,810,'Ergebnisvortrag','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,830,'Freie Rücklage § 62 Abs. 1 Nr. 3 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,840,'Projektrücklage § 62 Abs. 1 Nr. 1 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,980,'Darlehen von Mitgliedern','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1000,'Kasse','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1030,'Handkasse Jugend','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1200,'Bank Girokonto','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1210,'Bank Tagesgeldkonto','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1360,'Geldtransit','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1400,'Forderungen Mitgliedsbeiträge','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1410,'Forderungen Lieferungen und Leistungen','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1500,'Sonstige Vermögensgegenstände','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1550,'Forderungen an Landessportbund','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1571,'Abziehbare Vorsteuer 7 %','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1576,'Abziehbare Vorsteuer 19 %','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1590,'Durchlaufende Posten','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1600,'Verbindlichkeiten Lieferungen/Leistungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1700,'Sonstige Verbindlichkeiten','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1750,'Verbindlichkeiten Verbandsabgaben','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1771,'Umsatzsteuer 7 %','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1776,'Umsatzsteuer 19 %','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1780,'Umsatzsteuer-Vorauszahlungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2000,'Mitgliedsbeiträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2010,'Aufnahmegebühren','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2020,'Mitgliedsbeiträge Jugend','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2030,'Umlagen','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2100,'Geldspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2110,'Sachspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2130,'Aufwandsspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2200,'Zuschüsse der Gemeinde','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2210,'Zuschüsse Landessportbund','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2230,'Zuschüsse Übungsleiter','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2500,'Verbandsbeiträge','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2510,'Beiträge Landessportbund','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2520,'Beiträge Fachverbände','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2600,'Übungsleiterpauschalen § 3 Nr. 26 EStG','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2610,'Ehrenamtspauschalen § 3 Nr. 26a EStG','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2620,'Aufwandsentschädigungen Vorstand','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2640,'Trainerhonorare','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2710,'Hallenmiete','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2720,'Strom, Gas, Wasser','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2740,'Instandhaltung Sportanlagen','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2750,'Versicherungen','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2760,'Sportgeräte und Sportbekleidung','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2780,'Jugendarbeit','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2790,'Ehrungen und Geschenke','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2800,'Bürobedarf','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2810,'Porto und Telefon','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2820,'Kontoführungsgebühren','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2830,'Rechts- und Beratungskosten','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2840,'EDV und Vereinssoftware','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2850,'Mitgliederversammlung','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2860,'Reisekosten','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2870,'Fahrtkosten Mannschaften','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2890,'Sonstige Ausgaben ideeller Bereich','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3000,'Zinserträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,3120,'Überlassung von Werberechten','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4000,'Eintritt sportliche Veranstaltungen','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4010,'Startgelder und Teilnehmergebühren','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4020,'Kursgebühren','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4050,'Zuschüsse Zweckbetrieb','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4500,'Schiedsrichterkosten','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4510,'Meldegelder und Startgebühren','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,4520,'Veranstaltungskosten Zweckbetrieb','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4540,'Kursleiterhonorare','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4550,'Sportstättenmiete Zweckbetrieb','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5000,'Erlöse Speisen und Getränke 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5010,'Erlöse Speisen außer Haus 7 %','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5020,'Erlöse Vereinsfeste 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5030,'Erlöse Banden- und Trikotwerbung 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5035,'Erlöse Anzeigen Vereinszeitschrift 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5040,'Erlöse Sponsoring 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5050,'Erlöse Verkauf Sportartikel 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5500,'Wareneinkauf Speisen 7 %','GUV','','Aufwand','VSt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5510,'Wareneinkauf Getränke 19 %','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5520,'Kosten Vereinsfeste','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5530,'Kosten Werbung und Anzeigen','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9000,'Saldenvorträge Sachkonten','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9008,'Saldenvorträge Debitoren','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9009,'Saldenvorträge Kreditoren','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontMonosportverein] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9090,'Summenvortragskonto','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO

IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='F5KontSonstiger') DROP TABLE F5KontSonstiger
GO

CREATE TABLE [dbo].[F5KontSonstiger] (
	[BUCHJAHR] [smallint] NOT NULL ,
	[KONTONR] [int] NOT NULL ,
	[BEZEICHG] [varchar] (40) NULL ,
	[ABHABEN] [numeric] (19, 8) NULL ,
	[ABSOLL] [numeric] (19, 8) NULL ,
	[JAHRUMSH] [numeric] (19, 8) NULL ,
	[JAHRUMSS] [numeric] (19, 8) NULL ,
	[BILANZGUV] [varchar] (8) NULL ,
	[KENNZAHL] [varchar] (10) NULL ,
	[KTOART] [varchar] (40) NULL ,
	[START] [varchar] (20) NULL ,
	[STSCHL] [smallint] NULL ,
	[KREDKONTO] [int] NULL ,
	[DEBITKTO] [int] NULL ,
	[MOUMSHJAN] [numeric] (19, 8) NULL ,
	[MOUMSSJAN] [numeric] (19, 8) NULL ,
	[MOUMSHFEB] [numeric] (19, 8) NULL ,
	[MOUMSSFEB] [numeric] (19, 8) NULL ,
	[MOUMSHMÄRZ] [numeric] (19, 8) NULL ,
	[MOUMSSMÄRZ] [numeric] (19, 8) NULL ,
	[MOUMSHAPRIL] [numeric] (19, 8) NULL ,
	[MOUMSSAPRIL] [numeric] (19, 8) NULL ,
	[MOUMSHMAI] [numeric] (19, 8) NULL ,
	[MOUMSSMAI] [numeric] (19, 8) NULL ,
	[MOUMSHJUNI] [numeric] (19, 8) NULL ,
	[MOUMSSJUNI] [numeric] (19, 8) NULL ,
	[MOUMSHJULI] [numeric] (19, 8) NULL ,
	[MOUMSSJULI] [numeric] (19, 8) NULL ,
	[MOUMSHAUG] [numeric] (19, 8) NULL ,
	[MOUMSSAUG] [numeric] (19, 8) NULL ,
	[MOUMSHSEP] [numeric] (19, 8) NULL ,
	[MOUMSSSEP] [numeric] (19, 8) NULL ,
	[MOUMSHOKT] [numeric] (19, 8) NULL ,
	[MOUMSSOKT] [numeric] (19, 8) NULL ,
	[MOUMSHNOV] [numeric] (19, 8) NULL ,
	[MOUMSSNOV] [numeric] (19, 8) NULL ,
	[MOUMSHDEZ] [numeric] (19, 8) NULL ,
	[MOUMSSDEZ] [numeric] (19, 8) NULL ,
	[VERDICHTEN] [varchar] (6) NULL ,
	[KENNZUSTV] [smallint] NULL ,
	[SEITENZAHL] [smallint] NULL ,
	[SPERRE] [varchar] (6) NULL ,
	[FÄLLIGKEIT1] [smallint] NULL ,
	[SKONTO1_] [numeric] (19, 8) NULL ,
	[FÄLLIGKEIT2] [smallint] NULL ,
	[SKONTO2_] [numeric] (19, 8) NULL ,
	[FÄLLIGKEIT3] [smallint] NULL ,
	[HAUPTKONTO] [numeric] (19, 8) NULL ,
	[VORLABHAB] [numeric] (19, 8) NULL ,
	[VORLABSOLL] [numeric] (19, 8) NULL ,
	[SEITENANZLE] [numeric] (19, 8) NULL ,
	[VALUTA] [varchar] (3) NULL ,
	[PlanJahrSoll] [numeric] (19, 8) NULL ,
	[PlanJahrHaben] [numeric] (19, 8) NULL ,
	[PlanSollJan] [numeric] (19, 8) NULL ,
	[PlanHabenJan] [numeric] (19, 8) NULL ,
	[PlanSollFeb] [numeric] (19, 8) NULL ,
	[PlanHabenFeb] [numeric] (19, 8) NULL ,
	[PlanSollMaerz] [numeric] (19, 8) NULL ,
	[PlanHabenMaerz] [numeric] (19, 8) NULL ,
	[PlanSollApril] [numeric] (19, 8) NULL ,
	[PlanHabenApril] [numeric] (19, 8) NULL ,
	[PlanSollMai] [numeric] (19, 8) NULL ,
	[PlanHabenMai] [numeric] (19, 8) NULL ,
	[PlanSollJuni] [numeric] (19, 8) NULL ,
	[PlanHabenJuni] [numeric] (19, 8) NULL ,
	[PlanSollJuli] [numeric] (19, 8) NULL ,
	[PlanHabenJuli] [numeric] (19, 8) NULL ,
	[PlanSollAug] [numeric] (19, 8) NULL ,
	[PlanHabenAug] [numeric] (19, 8) NULL ,
	[PlanSollSep] [numeric] (19, 8) NULL ,
	[PlanHabenSep] [numeric] (19, 8) NULL ,
	[PlanSollOkt] [numeric] (19, 8) NULL ,
	[PlanHabenOkt] [numeric] (19, 8) NULL ,
	[PlanSollNov] [numeric] (19, 8) NULL ,
	[PlanHabenNov] [numeric] (19, 8) NULL ,
	[PlanSollDez] [numeric] (19, 8) NULL ,
	[PlanHabenDez] [numeric] (19, 8) NULL ,
	[STSCH_U] [varchar] (1) NULL ,
	[KONTO_WGEWI] [numeric] (19, 8) NULL ,
	[KONTO_WVERL] [numeric] (19, 8) NULL ,
	[KOST_J_N] [varchar] (6) NULL ,
	[KontoArt] [varchar] (40) NULL ,
	[Bank] [varchar] (6) NULL ,
	[Unterkonto] [varchar] (1) NULL ,
	[HauptKto] [int] NULL ,
	[Bezeich2] [varchar] (40) NULL ,
	[KdLfNr] [varchar] (30) NULL ,
	[KennzGuV] [varchar] (10) NULL ,
	[KennzBilanz] [varchar] (10) NULL ,
	[KennzBWA] [varchar] (10) NULL ,
	[HHRest] [numeric] (19, 8) NULL ,
	[OPS] [varchar] (1) NULL ,
	[Spende] [char] (10) NULL ,
	[KennzEU] [char] (10) NULL ,
	[BenutzerErf] [varchar] (20) NULL ,
	[BenutzerAend] [varchar] (20) NULL ,
	[DatumErf] [datetime] NULL ,
	[DatumAend] [datetime] NULL ,
	[Kassenstand] [numeric] (18, 8) NULL ,
	[Anfangsbestand] [numeric] (18, 8) NULL ,
	[AktBelegNr] [numeric] (18, 8) NULL ,
	[KB] [char] (1) NULL ,
	[EINAUS] [char] (1) NULL ,
	[Steuersammelkonto] [varchar] (1) NULL ,
	[KennzEUR] [varchar] (7) NULL ,
	CONSTRAINT [PK_F5KontSonstiger] PRIMARY KEY  CLUSTERED 
	(
		[BUCHJAHR],
		[KONTONR]
	)  ON [PRIMARY] 
) ON [PRIMARY]
GO

INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,27,'EDV-Software','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,400,'Betriebs- und Geschäftsausstattung','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,420,'Büroeinrichtung','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,480,'Geringwertige Wirtschaftsgüter','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,600,'Finanzanlagen, Wertpapiere','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,800,'Vereinsvermögen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,810,'Ergebnisvortrag','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,830,'Freie Rücklage § 62 Abs. 1 Nr. 3 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,840,'Projektrücklage § 62 Abs. 1 Nr. 1 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,950,'Sonstige Rückstellungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1000,'Kasse','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1200,'Bank Girokonto','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1210,'Bank Tagesgeldkonto','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1220,'Bank Sparkonto Rücklagen','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1360,'Geldtransit','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1400,'Forderungen Mitgliedsbeiträge','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1410,'Forderungen Lieferungen und Leistungen','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1500,'Sonstige Vermögensgegenstände','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1571,'Abziehbare Vorsteuer 7 %','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1576,'Abziehbare Vorsteuer 19 %','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1590,'Durchlaufende Posten','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1600,'Verbindlichkeiten Lieferungen/Leistungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1700,'Sonstige Verbindlichkeiten','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1771,'Umsatzsteuer 7 %','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1776,'Umsatzsteuer 19 %','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1780,'Umsatzsteuer-Vorauszahlungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1790,'Umsatzsteuer Vorjahr','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1900,'Aktive Rechnungsabgrenzung','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1950,'Passive Rechnungsabgrenzung','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2000,'Mitgliedsbeiträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2010,'Aufnahmegebühren','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2030,'Umlagen','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2100,'Geldspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2110,'Sachspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2120,'Zweckgebundene Spenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2150,'Erbschaften und Vermächtnisse','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2200,'Zuschüsse der Gemeinde','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2240,'Zuschüsse Landkreis','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2300,'Zuweisungen von Bußgeldern','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2500,'Verbandsbeiträge','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2600,'Übungsleiterpauschalen § 3 Nr. 26 EStG','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2610,'Ehrenamtspauschalen § 3 Nr. 26a EStG','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2620,'Aufwandsentschädigungen Vorstand','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2700,'Miete Übungsräume','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2720,'Strom, Gas, Wasser','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2730,'Reinigung','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2750,'Versicherungen','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2780,'Jugendarbeit','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2790,'Ehrungen und Geschenke','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2800,'Bürobedarf','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2810,'Porto und Telefon','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2820,'Kontoführungsgebühren','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2830,'Rechts- und Beratungskosten','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2840,'EDV und Vereinssoftware','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2850,'Mitgliederversammlung','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2860,'Reisekosten','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2880,'Abschreibungen ideeller Bereich','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2890,'Sonstige Ausgaben ideeller Bereich','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3000,'Zinserträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3010,'Erträge aus Wertpapieren','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3530,'Depotgebühren','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4020,'Kursgebühren','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4050,'Zuschüsse Zweckbetrieb','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,4520,'Veranstaltungskosten Zweckbetrieb','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4540,'Kursleiterhonorare','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5000,'Erlöse Speisen und Getränke 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5010,'Erlöse Speisen außer Haus 7 %','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5020,'Erlöse Vereinsfeste 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5035,'Erlöse Anzeigen Vereinszeitschrift 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5040,'Erlöse Sponsoring 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5070,'Erlöse Flohmarkt und Basar 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5500,'Wareneinkauf Speisen 7 %','GUV','','Aufwand','VSt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5510,'Wareneinkauf Getränke 19 %','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5520,'Kosten Vereinsfeste','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5530,'Kosten Werbung und Anzeigen','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,5560,'Körperschaft- und Gewerbesteuer','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9000,'Saldenvorträge Sachkonten','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9008,'Saldenvorträge Debitoren','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9009,'Saldenvorträge Kreditoren','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSonstiger] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9090,'Summenvortragskonto','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO

IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='F5KontSportvereinMitAnlagevermogen') DROP TABLE F5KontSportvereinMitAnlagevermogen
GO

CREATE TABLE [dbo].[F5KontSportvereinMitAnlagevermogen] (
	[BUCHJAHR] [smallint] NOT NULL ,
	[KONTONR] [int] NOT NULL ,
	[BEZEICHG] [varchar] (40) NULL ,
	[ABHABEN] [numeric] (19, 8) NULL ,
	[ABSOLL] [numeric] (19, 8) NULL ,
	[JAHRUMSH] [numeric] (19, 8) NULL ,
	[JAHRUMSS] [numeric] (19, 8) NULL ,
	[BILANZGUV] [varchar] (8) NULL ,
	[KENNZAHL] [varchar] (10) NULL ,
	[KTOART] [varchar] (40) NULL ,
	[START] [varchar] (20) NULL ,
	[STSCHL] [smallint] NULL ,
	[KREDKONTO] [int] NULL ,
	[DEBITKTO] [int] NULL ,
	[MOUMSHJAN] [numeric] (19, 8) NULL ,
	[MOUMSSJAN] [numeric] (19, 8) NULL ,
	[MOUMSHFEB] [numeric] (19, 8) NULL ,
	[MOUMSSFEB] [numeric] (19, 8) NULL ,
	[MOUMSHMÄRZ] [numeric] (19, 8) NULL ,
	[MOUMSSMÄRZ] [numeric] (19, 8) NULL ,
	[MOUMSHAPRIL] [numeric] (19, 8) NULL ,
	[MOUMSSAPRIL] [numeric] (19, 8) NULL ,
	[MOUMSHMAI] [numeric] (19, 8) NULL ,
	[MOUMSSMAI] [numeric] (19, 8) NULL ,
	[MOUMSHJUNI] [numeric] (19, 8) NULL ,
	[MOUMSSJUNI] [numeric] (19, 8) NULL ,
	[MOUMSHJULI] [numeric] (19, 8) NULL ,
	[MOUMSSJULI] [numeric] (19, 8) NULL ,
	[MOUMSHAUG] [numeric] (19, 8) NULL ,
	[MOUMSSAUG] [numeric] (19, 8) NULL ,
	[MOUMSHSEP] [numeric] (19, 8) NULL ,
	[MOUMSSSEP] [numeric] (19, 8) NULL ,
	[MOUMSHOKT] [numeric] (19, 8) NULL ,
	[MOUMSSOKT] [numeric] (19, 8) NULL ,
	[MOUMSHNOV] [numeric] (19, 8) NULL ,
	[MOUMSSNOV] [numeric] (19, 8) NULL ,
	[MOUMSHDEZ] [numeric] (19, 8) NULL ,
	[MOUMSSDEZ] [numeric] (19, 8) NULL ,
	[VERDICHTEN] [varchar] (6) NULL ,
	[KENNZUSTV] [smallint] NULL ,
	[SEITENZAHL] [smallint] NULL ,
	[SPERRE] [varchar] (6) NULL ,
	[FÄLLIGKEIT1] [smallint] NULL ,
	[SKONTO1_] [numeric] (19, 8) NULL ,
	[FÄLLIGKEIT2] [smallint] NULL ,
	[SKONTO2_] [numeric] (19, 8) NULL ,
	[FÄLLIGKEIT3] [smallint] NULL ,
	[HAUPTKONTO] [numeric] (19, 8) NULL ,
	[VORLABHAB] [numeric] (19, 8) NULL ,
	[VORLABSOLL] [numeric] (19, 8) NULL ,
	[SEITENANZLE] [numeric] (19, 8) NULL ,
	[VALUTA] [varchar] (3) NULL ,
	[PlanJahrSoll] [numeric] (19, 8) NULL ,
	[PlanJahrHaben] [numeric] (19, 8) NULL ,
	[PlanSollJan] [numeric] (19, 8) NULL ,
	[PlanHabenJan] [numeric] (19, 8) NULL ,
	[PlanSollFeb] [numeric] (19, 8) NULL ,
	[PlanHabenFeb] [numeric] (19, 8) NULL ,
	[PlanSollMaerz] [numeric] (19, 8) NULL ,
	[PlanHabenMaerz] [numeric] (19, 8) NULL ,
	[PlanSollApril] [numeric] (19, 8) NULL ,
	[PlanHabenApril] [numeric] (19, 8) NULL ,
	[PlanSollMai] [numeric] (19, 8) NULL ,
	[PlanHabenMai] [numeric] (19, 8) NULL ,
	[PlanSollJuni] [numeric] (19, 8) NULL ,
	[PlanHabenJuni] [numeric] (19, 8) NULL ,
	[PlanSollJuli] [numeric] (19, 8) NULL ,
	[PlanHabenJuli] [numeric] (19, 8) NULL ,
	[PlanSollAug] [numeric] (19, 8) NULL ,
	[PlanHabenAug] [numeric] (19, 8) NULL ,
	[PlanSollSep] [numeric] (19, 8) NULL ,
	[PlanHabenSep] [numeric] (19, 8) NULL ,
	[PlanSollOkt] [numeric] (19, 8) NULL ,
	[PlanHabenOkt] [numeric] (19, 8) NULL ,
	[PlanSollNov] [numeric] (19, 8) NULL ,
	[PlanHabenNov] [numeric] (19, 8) NULL ,
	[PlanSollDez] [numeric] (19, 8) NULL ,
	[PlanHabenDez] [numeric] (19, 8) NULL ,
	[STSCH_U] [varchar] (1) NULL ,
	[KONTO_WGEWI] [numeric] (19, 8) NULL ,
	[KONTO_WVERL] [numeric] (19, 8) NULL ,
	[KOST_J_N] [varchar] (6) NULL ,
	[KontoArt] [varchar] (40) NULL ,
	[Bank] [varchar] (6) NULL ,
	[Unterkonto] [varchar] (1) NULL ,
	[HauptKto] [int] NULL ,
	[Bezeich2] [varchar] (40) NULL ,
	[KdLfNr] [varchar] (30) NULL ,
	[KennzGuV] [varchar] (10) NULL ,
	[KennzBilanz] [varchar] (10) NULL ,
	[KennzBWA] [varchar] (10) NULL ,
	[HHRest] [numeric] (19, 8) NULL ,
	[OPS] [varchar] (1) NULL ,
	[Spende] [char] (10) NULL ,
	[KennzEU] [char] (10) NULL ,
	[BenutzerErf] [varchar] (20) NULL ,
	[BenutzerAend] [varchar] (20) NULL ,
	[DatumErf] [datetime] NULL ,
	[DatumAend] [datetime] NULL ,
	[Kassenstand] [numeric] (18, 8) NULL ,
	[Anfangsbestand] [numeric] (18, 8) NULL ,
	[AktBelegNr] [numeric] (18, 8) NULL ,
	[KB] [char] (1) NULL ,
	[EINAUS] [char] (1) NULL ,
	[Steuersammelkonto] [varchar] (1) NULL ,
	[KennzEUR] [varchar] (7) NULL ,
	CONSTRAINT [PK_F5KontSportvereinMitAnlagevermogen] PRIMARY KEY  CLUSTERED 
	(
		[BUCHJAHR],
		[KONTONR]
	)  ON [PRIMARY] 
) ON [PRIMARY]
GO

INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,27,'EDV-Software','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,50,'Unbebaute Grundstücke','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,55,'Bebaute Grundstücke','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,100,'Vereinsheim','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,110,'Sporthalle','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,120,'Sportplätze und Außenanlagen','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,130,'Tennisplätze','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,200,'Technische Anlagen (Flutlicht)','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,300,'Sportgeräte','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,400,'Betriebs- und Geschäftsausstattung','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,420,'Büroeinrichtung','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,480,'Geringwertige Wirtschaftsgüter','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,520,'Fahrzeuge (Vereinsbus)','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,600,'Finanzanlagen, Wertpapiere','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,800,'Vereinsvermögen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,810,'Ergebnisvortrag','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,830,'Freie Rücklage § 62 Abs. 1 Nr. 3 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,840,'Projektrücklage § 62 Abs. 1 Nr. 1 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,850,'Wiederbeschaffungsrücklage § 62 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,900,'Sonderposten Investitionszuschüsse','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,950,'Sonstige Rückstellungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,970,'Darlehen Kreditinstitute','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,980,'Darlehen von Mitgliedern','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1000,'Kasse','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1010,'Kasse Vereinsheim','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1020,'Kasse Abteilungen','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1030,'Handkasse Jugend','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1200,'Bank Girokonto','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1210,'Bank Tagesgeldkonto','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1220,'Bank Sparkonto Rücklagen','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1360,'Geldtransit','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1400,'Forderungen Mitgliedsbeiträge','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1410,'Forderungen Lieferungen und Leistungen','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1500,'Sonstige Vermögensgegenstände','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1550,'Forderungen an Landessportbund','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1571,'Abziehbare Vorsteuer 7 %','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1576,'Abziehbare Vorsteuer 19 %','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1590,'Durchlaufende Posten','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1600,'Verbindlichkeiten Lieferungen/Leistungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1700,'Sonstige Verbindlichkeiten','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1740,'Verbindlichkeiten Löhne und Gehälter','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1741,'Verbindlichkeiten Lohnsteuer','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1742,'Verbindlichkeiten soziale Sicherheit','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1750,'Verbindlichkeiten Verbandsabgaben','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1771,'Umsatzsteuer 7 %','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1776,'Umsatzsteuer 19 %','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1780,'Umsatzsteuer-Vorauszahlungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1790,'Umsatzsteuer Vorjahr','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1900,'Aktive Rechnungsabgrenzung','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1950,'Passive Rechnungsabgrenzung','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2000,'Mitgliedsbeiträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2010,'Aufnahmegebühren','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2020,'Mitgliedsbeiträge Jugend','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2025,'Abteilungsbeiträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2030,'Umlagen','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2100,'Geldspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2110,'Sachspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2120,'Zweckgebundene Spenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2130,'Aufwandsspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2200,'Zuschüsse der Gemeinde','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2210,'Zuschüsse Landessportbund','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2230,'Zuschüsse Übungsleiter','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2240,'Zuschüsse Landkreis','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2500,'Verbandsbeiträge','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2510,'Beiträge Landessportbund','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2520,'Beiträge Fachverbände','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2600,'Übungsleiterpauschalen § 3 Nr. 26 EStG','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2610,'Ehrenamtspauschalen § 3 Nr. 26a EStG','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2620,'Aufwandsentschädigungen Vorstand','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2640,'Trainerhonorare','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2720,'Strom, Gas, Wasser','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2730,'Reinigung','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2740,'Instandhaltung Sportanlagen','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2745,'Instandhaltung Vereinsheim','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2750,'Versicherungen','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2760,'Sportgeräte und Sportbekleidung','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2780,'Jugendarbeit','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2790,'Ehrungen und Geschenke','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2800,'Bürobedarf','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2810,'Porto und Telefon','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2820,'Kontoführungsgebühren','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2830,'Rechts- und Beratungskosten','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2840,'EDV und Vereinssoftware','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2850,'Mitgliederversammlung','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2860,'Reisekosten','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2870,'Fahrtkosten Mannschaften','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2880,'Abschreibungen ideeller Bereich','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2890,'Sonstige Ausgaben ideeller Bereich','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3000,'Zinserträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3010,'Erträge aus Wertpapieren','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3100,'Mieteinnahmen Vereinsheim','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3110,'Pachteinnahmen Vereinsgaststätte','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,3120,'Überlassung von Werberechten','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3500,'Grundstückskosten Vermögensverwaltung','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3510,'Zinsaufwand Darlehen','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3520,'Abschreibungen Vermögensverwaltung','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3530,'Depotgebühren','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4000,'Eintritt sportliche Veranstaltungen','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4010,'Startgelder und Teilnehmergebühren','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4020,'Kursgebühren','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4050,'Zuschüsse Zweckbetrieb','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4500,'Schiedsrichterkosten','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4510,'Meldegelder und Startgebühren','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,4520,'Veranstaltungskosten Zweckbetrieb','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4540,'Kursleiterhonorare','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4550,'Sportstättenmiete Zweckbetrieb','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5000,'Erlöse Speisen und Getränke 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5010,'Erlöse Speisen außer Haus 7 %','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5020,'Erlöse Vereinsfeste 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5030,'Erlöse Banden- und Trikotwerbung 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5035,'Erlöse Anzeigen Vereinszeitschrift 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5040,'Erlöse Sponsoring 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5050,'Erlöse Verkauf Sportartikel 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5500,'Wareneinkauf Speisen 7 %','GUV','','Aufwand','VSt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5510,'Wareneinkauf Getränke 19 %','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5520,'Kosten Vereinsfeste','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5530,'Kosten Werbung und Anzeigen','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,5540,'Personalkosten Vereinsgaststätte','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,5550,'Abschreibungen wirtsch. Geschäftsbetrieb','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,5560,'Körperschaft- und Gewerbesteuer','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9000,'Saldenvorträge Sachkonten','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9008,'Saldenvorträge Debitoren','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9009,'Saldenvorträge Kreditoren','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinMitAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9090,'Summenvortragskonto','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO

IF EXISTS (SELECT TABLE_NAME FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME ='F5KontSportvereinOhneAnlagevermogen') DROP TABLE F5KontSportvereinOhneAnlagevermogen
GO

CREATE TABLE [dbo].[F5KontSportvereinOhneAnlagevermogen] (
	[BUCHJAHR] [smallint] NOT NULL ,
	[KONTONR] [int] NOT NULL ,
	[BEZEICHG] [varchar] (40) NULL ,
	[ABHABEN] [numeric] (19, 8) NULL ,
	[ABSOLL] [numeric] (19, 8) NULL ,
	[JAHRUMSH] [numeric] (19, 8) NULL ,
	[JAHRUMSS] [numeric] (19, 8) NULL ,
	[BILANZGUV] [varchar] (8) NULL ,
	[KENNZAHL] [varchar] (10) NULL ,
	[KTOART] [varchar] (40) NULL ,
	[START] [varchar] (20) NULL ,
	[STSCHL] [smallint] NULL ,
	[KREDKONTO] [int] NULL ,
	[DEBITKTO] [int] NULL ,
	[MOUMSHJAN] [numeric] (19, 8) NULL ,
	[MOUMSSJAN] [numeric] (19, 8) NULL ,
	[MOUMSHFEB] [numeric] (19, 8) NULL ,
	[MOUMSSFEB] [numeric] (19, 8) NULL ,
	[MOUMSHMÄRZ] [numeric] (19, 8) NULL ,
	[MOUMSSMÄRZ] [numeric] (19, 8) NULL ,
	[MOUMSHAPRIL] [numeric] (19, 8) NULL ,
	[MOUMSSAPRIL] [numeric] (19, 8) NULL ,
	[MOUMSHMAI] [numeric] (19, 8) NULL ,
	[MOUMSSMAI] [numeric] (19, 8) NULL ,
	[MOUMSHJUNI] [numeric] (19, 8) NULL ,
	[MOUMSSJUNI] [numeric] (19, 8) NULL ,
	[MOUMSHJULI] [numeric] (19, 8) NULL ,
	[MOUMSSJULI] [numeric] (19, 8) NULL ,
	[MOUMSHAUG] [numeric] (19, 8) NULL ,
	[MOUMSSAUG] [numeric] (19, 8) NULL ,
	[MOUMSHSEP] [numeric] (19, 8) NULL ,
	[MOUMSSSEP] [numeric] (19, 8) NULL ,
	[MOUMSHOKT] [numeric] (19, 8) NULL ,
	[MOUMSSOKT] [numeric] (19, 8) NULL ,
	[MOUMSHNOV] [numeric] (19, 8) NULL ,
	[MOUMSSNOV] [numeric] (19, 8) NULL ,
	[MOUMSHDEZ] [numeric] (19, 8) NULL ,
	[MOUMSSDEZ] [numeric] (19, 8) NULL ,
	[VERDICHTEN] [varchar] (6) NULL ,
	[KENNZUSTV] [smallint] NULL ,
	[SEITENZAHL] [smallint] NULL ,
	[SPERRE] [varchar] (6) NULL ,
	[FÄLLIGKEIT1] [smallint] NULL ,
	[SKONTO1_] [numeric] (19, 8) NULL ,
	[FÄLLIGKEIT2] [smallint] NULL ,
	[SKONTO2_] [numeric] (19, 8) NULL ,
	[FÄLLIGKEIT3] [smallint] NULL ,
	[HAUPTKONTO] [numeric] (19, 8) NULL ,
	[VORLABHAB] [numeric] (19, 8) NULL ,
	[VORLABSOLL] [numeric] (19, 8) NULL ,
	[SEITENANZLE] [numeric] (19, 8) NULL ,
	[VALUTA] [varchar] (3) NULL ,
	[PlanJahrSoll] [numeric] (19, 8) NULL ,
	[PlanJahrHaben] [numeric] (19, 8) NULL ,
	[PlanSollJan] [numeric] (19, 8) NULL ,
	[PlanHabenJan] [numeric] (19, 8) NULL ,
	[PlanSollFeb] [numeric] (19, 8) NULL ,
	[PlanHabenFeb] [numeric] (19, 8) NULL ,
	[PlanSollMaerz] [numeric] (19, 8) NULL ,
	[PlanHabenMaerz] [numeric] (19, 8) NULL ,
	[PlanSollApril] [numeric] (19, 8) NULL ,
	[PlanHabenApril] [numeric] (19, 8) NULL ,
	[PlanSollMai] [numeric] (19, 8) NULL ,
	[PlanHabenMai] [numeric] (19, 8) NULL ,
	[PlanSollJuni] [numeric] (19, 8) NULL ,
	[PlanHabenJuni] [numeric] (19, 8) NULL ,
	[PlanSollJuli] [numeric] (19, 8) NULL ,
	[PlanHabenJuli] [numeric] (19, 8) NULL ,
	[PlanSollAug] [numeric] (19, 8) NULL ,
	[PlanHabenAug] [numeric] (19, 8) NULL ,
	[PlanSollSep] [numeric] (19, 8) NULL ,
	[PlanHabenSep] [numeric] (19, 8) NULL ,
	[PlanSollOkt] [numeric] (19, 8) NULL ,
	[PlanHabenOkt] [numeric] (19, 8) NULL ,
	[PlanSollNov] [numeric] (19, 8) NULL ,
	[PlanHabenNov] [numeric] (19, 8) NULL ,
	[PlanSollDez] [numeric] (19, 8) NULL ,
	[PlanHabenDez] [numeric] (19, 8) NULL ,
	[STSCH_U] [varchar] (1) NULL ,
	[KONTO_WGEWI] [numeric] (19, 8) NULL ,
	[KONTO_WVERL] [numeric] (19, 8) NULL ,
	[KOST_J_N] [varchar] (6) NULL ,
	[KontoArt] [varchar] (40) NULL ,
	[Bank] [varchar] (6) NULL ,
	[Unterkonto] [varchar] (1) NULL ,
	[HauptKto] [int] NULL ,
	[Bezeich2] [varchar] (40) NULL ,
	[KdLfNr] [varchar] (30) NULL ,
	[KennzGuV] [varchar] (10) NULL ,
	[KennzBilanz] [varchar] (10) NULL ,
	[KennzBWA] [varchar] (10) NULL ,
	[HHRest] [numeric] (19, 8) NULL ,
	[OPS] [varchar] (1) NULL ,
	[Spende] [char] (10) NULL ,
	[KennzEU] [char] (10) NULL ,
	[BenutzerErf] [varchar] (20) NULL ,
	[BenutzerAend] [varchar] (20) NULL ,
	[DatumErf] [datetime] NULL ,
	[DatumAend] [datetime] NULL ,
	[Kassenstand] [numeric] (18, 8) NULL ,
	[Anfangsbestand] [numeric] (18, 8) NULL ,
	[AktBelegNr] [numeric] (18, 8) NULL ,
	[KB] [char] (1) NULL ,
	[EINAUS] [char] (1) NULL ,
	[Steuersammelkonto] [varchar] (1) NULL ,
	[KennzEUR] [varchar] (7) NULL ,
	CONSTRAINT [PK_F5KontSportvereinOhneAnlagevermogen] PRIMARY KEY  CLUSTERED 
	(
		[BUCHJAHR],
		[KONTONR]
	)  ON [PRIMARY] 
) ON [PRIMARY]
GO

INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,800,'Vereinsvermögen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,810,'Ergebnisvortrag','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,830,'Freie Rücklage § 62 Abs. 1 Nr. 3 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,840,'Projektrücklage § 62 Abs. 1 Nr. 1 AO','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1000,'Kasse','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1030,'Handkasse Jugend','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1200,'Bank Girokonto','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1210,'Bank Tagesgeldkonto','BILANZ','','Aktiv','ohne Steuer','','','','','Finanzkonto','Wahr','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1360,'Geldtransit','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1400,'Forderungen Mitgliedsbeiträge','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1500,'Sonstige Vermögensgegenstände','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1550,'Forderungen an Landessportbund','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1571,'Abziehbare Vorsteuer 7 %','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1576,'Abziehbare Vorsteuer 19 %','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1590,'Durchlaufende Posten','BILANZ','','Aktiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1600,'Verbindlichkeiten Lieferungen/Leistungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','J','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1700,'Sonstige Verbindlichkeiten','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1750,'Verbindlichkeiten Verbandsabgaben','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1771,'Umsatzsteuer 7 %','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1776,'Umsatzsteuer 19 %','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,1780,'Umsatzsteuer-Vorauszahlungen','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2000,'Mitgliedsbeiträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2010,'Aufnahmegebühren','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2020,'Mitgliedsbeiträge Jugend','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2030,'Umlagen','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2100,'Geldspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2110,'Sachspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2120,'Zweckgebundene Spenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[Spende])
	VALUES (2010,2130,'Aufwandsspenden','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein','J')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2200,'Zuschüsse der Gemeinde','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2210,'Zuschüsse Landessportbund','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2230,'Zuschüsse Übungsleiter','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2500,'Verbandsbeiträge','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2510,'Beiträge Landessportbund','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2520,'Beiträge Fachverbände','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2600,'Übungsleiterpauschalen § 3 Nr. 26 EStG','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2610,'Ehrenamtspauschalen § 3 Nr. 26a EStG','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2620,'Aufwandsentschädigungen Vorstand','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2640,'Trainerhonorare','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2710,'Hallenmiete','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2750,'Versicherungen','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2760,'Sportgeräte und Sportbekleidung','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2780,'Jugendarbeit','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2790,'Ehrungen und Geschenke','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2800,'Bürobedarf','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2810,'Porto und Telefon','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2820,'Kontoführungsgebühren','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2830,'Rechts- und Beratungskosten','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,2840,'EDV und Vereinssoftware','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2850,'Mitgliederversammlung','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2860,'Reisekosten','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2870,'Fahrtkosten Mannschaften','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,2890,'Sonstige Ausgaben ideeller Bereich','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,3000,'Zinserträge','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,3120,'Überlassung von Werberechten','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4000,'Eintritt sportliche Veranstaltungen','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4010,'Startgelder und Teilnehmergebühren','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,4020,'Kursgebühren','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4050,'Zuschüsse Zweckbetrieb','GUV','','Ertrag','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4500,'Schiedsrichterkosten','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4510,'Meldegelder und Startgebühren','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,4520,'Veranstaltungskosten Zweckbetrieb','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4540,'Kursleiterhonorare','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,4550,'Sportstättenmiete Zweckbetrieb','GUV','','Aufwand','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5000,'Erlöse Speisen und Getränke 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5010,'Erlöse Speisen außer Haus 7 %','GUV','','Ertrag','USt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7,86)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5020,'Erlöse Vereinsfeste 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5030,'Erlöse Banden- und Trikotwerbung 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5035,'Erlöse Anzeigen Vereinszeitschrift 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5040,'Erlöse Sponsoring 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL],[KENNZUSTV])
	VALUES (2010,5050,'Erlöse Verkauf Sportartikel 19 %','GUV','','Ertrag','USt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19,81)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5500,'Wareneinkauf Speisen 7 %','GUV','','Aufwand','VSt 7 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',7)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5510,'Wareneinkauf Getränke 19 %','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5520,'Kosten Vereinsfeste','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN],[STSCHL])
	VALUES (2010,5530,'Kosten Werbung und Anzeigen','GUV','','Aufwand','VSt 19 %','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein',19)
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9000,'Saldenvorträge Sachkonten','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9008,'Saldenvorträge Debitoren','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9009,'Saldenvorträge Kreditoren','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO
INSERT INTO [dbo].[F5KontSportvereinOhneAnlagevermogen] ([BUCHJAHR],[KONTONR],[BEZEICHG],[BILANZGUV],[KENNZAHL],[KTOART],[START],[SPERRE],[VALUTA],[STSCH_U],[KOST_J_N],[KontoArt],[Bank],[Unterkonto],[Bezeich2],[KdLfNr],[KennzGuV],[KennzBilanz],[KennzBWA],[OPS],[BenutzerErf],[BenutzerAend],[Steuersammelkonto],[KennzEUR],[VERDICHTEN])
	VALUES (2010,9090,'Summenvortragskonto','BILANZ','','Passiv','ohne Steuer','','','','','Sachkonto','Falsch','','','','','','','','','','','','Nein')
GO

