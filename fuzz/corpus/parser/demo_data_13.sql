-- Demo server: what sets the four product databases apart.
--
-- The demo server holds the system database Quelor, the clubs QUELOR_TSV_Musterstadt
-- and QUELOR_SC_Beispielhausen and the temporary database QUELORTMP1. Each of the four
-- is first loaded with previous_release_tenant.sql (the system database carries the
-- tenant tables as well and is updated like a club; the temporary one is a copy of a
-- club). Then this script runs once, in any of the four: every statement names its
-- database. Batches are separated by GO lines.

-- ==========================================================================
-- Quelor: the system database
-- It keeps the sample club as the template for new clubs, and the profit-and-loss
-- headings and their lines that the update copies into every club (the lines
-- still without the income/expense marker EA, the headings complete with row VII,
-- so the update leaves them as they are). No foreign key between the two here.
-- ==========================================================================

UPDATE Quelor.dbo.Mandstam SET Name1 = 'Quelor Systemdatenbank', Name2 = 'Vorlage für neue Mandanten'