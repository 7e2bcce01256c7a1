INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('101','Allgemeiner 
Deutscher Hochschulsportverband (ADH)')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('001','Deutscher
Badminton-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('002','Deutscher
Basketball Bund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('003','Bob- und 
Schlittenverband für Deutschland')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('004','Deutscher
Boxsport-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('005','Deutscher
Curling-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('006','Deutscher 
Eishockey-Bund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('007','Deutsche
Eisschnelllauf-
und Shorttrack-Gemeinschaft')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('008','Deutscher
Fechter-Bund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('009','Deutscher 
Fußball-Bund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('010','Deutscher
Golf Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('011','Deutscher
Handballbund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('012','Deutscher 
Hockey-Bund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('013','Deutscher
Judo-Bund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('014','Deutscher
Kanu-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('015','Deutscher 
Leichtathletik-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('016','Deutscher Verband
für Modernen Fünfkampf')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('017','Deutscher
Ringer-Bund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('018','Deutscher 
Ruderverband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('019','Deutscher
Rugby-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('020','Deutscher
Schützenbund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('021','Deutscher 
Schwimm-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('022','Deutscher
Segler-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('023','Deutscher
Skiverband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('024','Deutscher 
Tennis Bund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('025','Deutscher
Tischtennis-Bund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('026','Deutsche
Triathlon Union')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('027','Deutscher 
Turner-Bund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('028','Deutscher
Volleyball-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('029','Bund
Deutscher Radfahrer')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('030','Bundesverband 
Deutscher Gewichtheber')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('031','Deutsche
Reiterliche Vereinigung')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('032','Deutsche
Taekwondo Union')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('033','Deutsche 
Eislauf-Union')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('034','Deutscher Rollsport-
und Inline-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('035','Deutscher
Wellenreitverband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('036','Deutscher 
Alpenverein')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('037','Deutscher
Karate Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('038','Deutscher Baseball
und Softball Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('039','Deutscher 
Dart-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('102','Deutscher
Aero Club')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('103','Deutscher
Behindertensportverband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('104','Deutsche 
Billard-Union')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('105','Deutscher Boccia-,
Boule- und Pétanque-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('106','Deutscher Kegler-
und Bowlingbund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('107','Deutscher 
Eisstock-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('108','Deutsche
Faustball-Liga')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('109','Deutscher
Gehörlosen-Sportverband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('110','Deutscher 
Ju-Jutsu-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('111','Deutscher Motor
Sport Bund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('112','Deutscher
Motoryachtverband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('113','Deutscher Rasenkraftsport- 
und Tauziehverband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('114','Deutscher Schachbund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('115','Deutscher
Sportakrobatik-Bund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('116','Deutscher 
Squash Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('117','Deutscher
Tanzsportverband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('118','Verband
Deutscher Sporttaucher')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('119','Deutsche 
Lebens-Rettungs-Gesellschaft')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('120','Deutscher Wasserski-
und Wakeboard-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('121','Deutscher
Skibob-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('122','Deutscher 
Schlittenhundesport-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('123','Deutscher
Minigolfsport Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('124','Deutscher
Angelfischerverband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('125','Deutscher 
Aikido-Bund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('126','Deutscher
Frisbeesport-Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('127','Deutscher
Cricket Bund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('128','American Football 
Verband Deutschland')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('129','Deutscher
Lacrosse Verband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('130','Floorball-Verband
Deutschland')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('131','Deutscher 
Rollstuhl-Sportverband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('132','Deutscher Verband
für Freikörperkultur')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('201','Deutsche
Olympische Gesellschaft')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('202','Deutscher 
Betriebssportverband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('203','DJK-Sportverband
Deutsche Jugendkraft')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('204','CVJM-Sport
im CVJM-Gesamtverband
in Deutschland')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('205','Makkabi 
Deutschland')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('206','Kneipp-Bund, Bundesverband
für Gesundheitsförderung')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('207','Rad- und
Kraftfahrerbund Solidarität Deutschland')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('208','Special 
Olympics Deutschland')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('209','Deutscher Verband
für Gesundheitssport
und Sporttherapie')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('210','Deutscher
Sportlehrerverband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('301','Landessportverband 
Baden-Württemberg')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('302','Bayerischer
Landes-Sportverband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('303','Landessportbund
Berlin')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('304','Landessportbund 
Brandenburg')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('305','Landessportbund
Bremen')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('306','Hamburger
Sportbund')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('307','Landessportbund 
Hessen')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('308','Landessportbund
Mecklenburg-Vorpommern')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('309','LandesSportBund
Niedersachsen')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('310','Landessportbund 
Nordrhein-Westfalen')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('311','Landessportbund
Rheinland-Pfalz')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('312','Landessportverband für
das Saarland')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('313','Landessportbund 
Sachsen')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('314','Landessportbund
Sachsen-Anhalt')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('315','Landessportverband
Schleswig-Holstein')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('316','Landessportbund 
Thüringen')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('501','Bundesarbeitsgemeinschaft
für Haltungs-
und Bewegungsförderung')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('601','Deutsches Rotes
Kreuz, Wasserwacht')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('602','Arbeiter-Samariter-Bund 
Deutschland')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('701','Sportkommission
der Bundeswehr')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('702','Deutsches
Polizeisportkuratorium')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('703','Deutscher 
Feuerwehrverband')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('801','Deutsche
Auslandsschulen, Sportabzeichen
im Ausland')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('802','Deutsche Botschaften und
Konsulate im Ausland')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('803','Deutsche Sportabzeichen-Prüfer 
im Ausland (Vereine)')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('804','Bundesverband
Deutscher Sportabzeichen-Tage
im Ausland')
INSERT INTO DSAFachverband (Nr, 
Bezeichnung) VALUES ('999','Sonstige Verbände')
