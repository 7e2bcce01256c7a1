-- ==========================================================================
-- QUELOR_TSV_Musterstadt: the sample club as loaded, plus one new member who
-- pays by direct debit (mandate reference and SEPA mandate come with the update).
-- ==========================================================================

UPDATE QUELOR_TSV_Musterstadt.dbo.PASSDB SET Datenbank = 'Vereinsdaten TSV Musterstadt'