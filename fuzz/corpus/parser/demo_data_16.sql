INSERT INTO Quelor.dbo.GuVKennz (RimNr, Kennz, Bezeichnung) VALUES
('I', 'A', 'Einnahmen'),
('I', 'B', 'Ausgaben'),
('II', 'A', 'Ideeller Bereich'),
('II', 'B', 'Sonstige wirtschaftliche Geschäftsbetriebe'),
('III', 'A', 'Einnahmen'),
('III', 'B', 'Ausgaben'),
('IV', 'A', 'Zweckbetriebe Sport (umsatzsteuerpflichtig)'),
('IV', 'B', 'Zweckbetriebe Sport (umsatzsteuerfrei)'),
('V', 'A', 'Sonstige Zweckbetriebe (umsatzsteuerpflichtig)'),
('V', 'B', 'Sonstige Zweckbetriebe (umsatzsteuerfrei)'),
('VI', 'A', 'Geschäftsbetriebe Sport (umsatzsteuerpflichtig)'),
('VI', 'B', 'Geschäftsbetriebe Nebentätigkeiten Sport'),
('VII', 'A', 'Sonstige Geschäftsbetriebe');