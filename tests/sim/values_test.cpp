// Value semantics the update tool depends on: exact decimals with rounding to
// the column's scale, text comparison and LIKE without regard to case,
// NULL logic, conversions, and date literals under the session's date format.
#include "sim_fixture.h"

namespace quelor::sim::testing {
namespace {

struct Case {
  const char* expression;
  const char* expected;
};

TEST_F(SimTest, ExpressionsEvaluateAsOnTheRealServer) {
  const Case cases[] = {
      {"1 + 2 * 3", "7"},
      {"7 / 2", "3"},
      {"7.0 / 2", "3.500000"},
      {"1.0 / 3", "0.333333"},
      {"CAST(12.5 AS numeric(18,2))", "12.50"},
      {"CAST(2.345 AS numeric(18,2))", "2.35"},
      {"CAST(-2.345 AS numeric(18,2))", "-2.35"},
      {"ROUND(CEILING(12.341*100),0)/100", "12.350000"},
      {"ROUND(2.5, 0)", "3.0"},
      {"ROUND(1234.5678, -2)", "1200.0000"},
      {"FLOOR(-1.5)", "-2"},
      {"CAST(1 AS bit)", "1"},
      {"CAST('  42 ' AS int) + 1", "43"},
      {"'1' + 1", "2"},
      {"'a' + 'b'", "ab"},
      {"'x' + NULL", "NULL"},
      {"ISNULL(NULL, 'leer')", "leer"},
      {"COALESCE(NULL, NULL, 3)", "3"},
      {"CASE WHEN 'abc' = 'ABC  ' THEN 'gleich' ELSE 'anders' END", "gleich"},
      {"CASE WHEN NULL = NULL THEN 'gleich' ELSE 'unbekannt' END", "unbekannt"},
      {"CASE WHEN 'Müller' = 'MÜLLER' THEN 1 ELSE 0 END", "1"},
      {"CASE WHEN 'Steuerschl' LIKE '%StSchl%' THEN 1 ELSE 0 END", "0"},
      {"CASE WHEN 'VorStSchlX' LIKE '%stschl%' THEN 1 ELSE 0 END", "1"},
      {"CASE WHEN 'B7' LIKE '[a-c]_' THEN 1 ELSE 0 END", "1"},
      {"CASE WHEN 'D7' LIKE '[^a-c]%' THEN 1 ELSE 0 END", "1"},
      {"CASE WHEN CAST('J' AS char(3)) LIKE 'J' THEN 1 ELSE 0 END", "1"},
      {"CASE WHEN 'J' LIKE 'J ' THEN 1 ELSE 0 END", "0"},
      {"CASE WHEN 2 IN (1, NULL) THEN 1 WHEN 2 NOT IN (1, NULL) THEN 2 ELSE 3 END", "3"},
      {"REPLACE('Allgemeiner' + ' X ' + 'Verband', 'x', '-')", "Allgemeiner - Verband"},
      {"LTRIM(RTRIM('  mitte  '))", "mitte"},
      {"LEN('abc   ')", "3"},
      {"UPPER(SUBSTRING('quelor_a',7,3))", "_A"},
      {"Right('0'+CAST(7 AS VarChar),2)", "07"},
      {"LEFT('Verein', 3)", "Ver"},
      {"UPPER('straße')", "STRAßE"},
      {"DATEADD(dd, DATEDIFF(dd,0,'20130220 17:45'), 0)", "2013-02-20 00:00:00.000"},
      {"DATEADD(mm, 1, '20130131')", "2013-02-28 00:00:00.000"},
      {"DATEADD(yy, 1, '20120229')", "2013-02-28 00:00:00.000"},
      {"DATEDIFF(dd, '20131231', '20140101')", "1"},
      {"DATEDIFF(yy, '20131231', '20140101')", "1"},
      {"DATEPART(hh, '20130220 17:45') * 100 + DATEPART(mi, '20130220 17:45')", "1745"},
      {"YEAR('20130220') * 10000 + MONTH('20130220') * 100 + DAY('20130220')", "20130220"},
      {"CAST('20130220' AS datetime) + CAST('10:30' AS datetime)", "2013-02-20 10:30:00.000"},
      {"CAST('2013-02-20T10:30:15.123' AS datetime)", "2013-02-20 10:30:15.123"},
      {"CAST(1 AS float) / 4", "0.25"},
      {"CAST(19.99 AS money)", "19.9900"},
      {"ABS(-3)", "3"},
      {"CAST(0x4A6F AS varbinary(10))", "4A6F"},
      {"CAST(NULL AS int)", "NULL"},
      {"CASE 2 WHEN 1 THEN 'eins' WHEN 2 THEN 'zwei' END", "zwei"},
      {"CASE WHEN 1 = 2 THEN 1.5 ELSE 2 END", "2.0"},
      {"CASE WHEN 1 = 1 THEN 1 ELSE 2.25 END", "1.00"},
      {"CONVERT(varchar(10), CAST('20130220' AS datetime), 104)", "20.02.2013"},
      {"OBJECT_ID('dbo.Fehlt')", "NULL"},
      {"DB_NAME()", "QUELOR_A"},
  };
  for (const Case& item : cases) {
    std::string expression = item.expression;
    EXPECT_EQ(Scalar("SELECT " + expression), item.expected) << expression;
  }
}

TEST_F(SimTest, DecimalColumnsRoundToTheirScaleOnAssignment) {
  Run("CREATE TABLE f5bew4s (Soll numeric(18,2) NULL, Haben numeric(18,2) NULL, Satz numeric(4,2) NULL)");
  Run("INSERT INTO f5bew4s VALUES (10.005, 3.3333, 7)");
  EXPECT_EQ(Rows("SELECT Soll, Haben, Satz FROM f5bew4s"),
            (std::vector<std::vector<std::string>>{{"10.01", "3.33", "7.00"}}));
  Run("update f5bew4s set soll=ROUND(CEILING(Soll*100),0)/100,haben=ROUND(CEILING(Haben*100),0)/100");
  EXPECT_EQ(Rows("SELECT Soll, Haben FROM f5bew4s"), (std::vector<std::vector<std::string>>{{"10.01", "3.33"}}));
  EXPECT_EQ(ErrorOf("UPDATE f5bew4s SET Satz = 123.45"),
            "Arithmetic overflow error converting numeric to data type numeric.");
}

TEST_F(SimTest, NumericDateLiteralsFollowTheSessionDateFormat) {
  struct DateCase {
    const char* settings;
    const char* literal;
    const char* expected;
  };
  const DateCase cases[] = {
      {"", "02/03/2013", "2013-02-03 00:00:00.000"},
      {"SET DATEFORMAT dmy", "02/03/2013", "2013-03-02 00:00:00.000"},
      {"SET LANGUAGE Deutsch", "20.02.2013", "2013-02-20 00:00:00.000"},
      {"SET LANGUAGE us_english", "02.20.2013", "2013-02-20 00:00:00.000"},
      {"SET DATEFORMAT ymd", "13/02/20", "2013-02-20 00:00:00.000"},
      {"SET DATEFORMAT dmy", "20130220", "2013-02-20 00:00:00.000"},
      {"SET DATEFORMAT dmy", "2013-02-20T08:15:00", "2013-02-20 08:15:00.000"},
      {"SET DATEFORMAT dmy", "2013-20-02", "2013-02-20 00:00:00.000"},
  };
  for (const DateCase& item : cases) {
    SimConnection session(server_);
    session.Open(ConnectionText("QUELOR_A"));
    if (*item.settings != '\0') session.Execute(item.settings);
    db::ResultSet result = session.Query(std::string("SELECT CAST('") + item.literal + "' AS datetime) AS D");
    EXPECT_EQ(result.AsText(0, "D"), item.expected) << item.settings << " " << item.literal;
  }
  EXPECT_EQ(ErrorOf("SELECT CAST('20.02.2013' AS datetime)"),
            "The conversion of a varchar data type to a datetime data type resulted in an out-of-range value.");
  EXPECT_EQ(ErrorOf("SELECT CAST('kein Datum' AS datetime)"),
            "Conversion failed when converting date and/or time from character string.");
}

TEST_F(SimTest, AggregatesGroupingAndOrdering) {
  Run("CREATE TABLE Buch (Konto int NULL, Betrag numeric(10,2) NULL)");
  Run("INSERT INTO Buch VALUES (1, 10.50), (1, 4.50), (2, 3), (2, NULL), (NULL, 1)");
  EXPECT_EQ(Rows("SELECT Konto, COUNT(*), COUNT(Betrag), SUM(Betrag), MAX(Betrag) FROM Buch GROUP BY Konto "
                 "HAVING COUNT(*) > 1 ORDER BY Konto DESC"),
            (std::vector<std::vector<std::string>>{{"2", "2", "1", "3.00", "3.00"}, {"1", "2", "2", "15.00", "10.50"}}));
  EXPECT_EQ(Scalar("SELECT COUNT(DISTINCT Konto) FROM Buch"), "2");
  EXPECT_EQ(Scalar("SELECT MAX(Betrag) FROM Buch WHERE Konto = 9"), "NULL");
  EXPECT_EQ(Rows("SELECT TOP 2 Betrag FROM Buch WHERE Betrag IS NOT NULL ORDER BY Betrag"),
            (std::vector<std::vector<std::string>>{{"1.00"}, {"3.00"}}));
  EXPECT_EQ(Rows("SELECT DISTINCT Konto AS K FROM Buch WHERE Konto IS NOT NULL ORDER BY K DESC"),
            (std::vector<std::vector<std::string>>{{"2"}, {"1"}}));
  EXPECT_EQ(Rows("SELECT B.Konto, S.Summe FROM Buch B INNER JOIN (SELECT Konto, SUM(Betrag) AS Summe FROM Buch "
                 "GROUP BY Konto) S ON S.Konto = B.Konto WHERE B.Betrag > 4 ORDER BY B.Konto"),
            (std::vector<std::vector<std::string>>{{"1", "15.00"}, {"1", "15.00"}}));
  EXPECT_EQ(Rows("SELECT Konto FROM Buch WHERE Konto = 1 UNION SELECT 2 UNION ALL SELECT 2 ORDER BY 1"),
            (std::vector<std::vector<std::string>>{{"1"}, {"2"}, {"2"}}));
}


// Tables share rows only where every value is stored alike, so values the
// collation finds equal must still count as different here; the hash that
// filters candidate tables must agree with the comparison.
TEST(StoredValueTest, SameStoredOnlyForTheSameTypeAndBytes) {
  const std::string long_text = "Volksbank Raiffeisenbank Nord";
  const Value heap_text = Value::String(long_text, SqlType::VarChar(60));
  struct Pair {
    const char* what;
    Value a;
    Value b;
    bool same;
  };
  const Pair pairs[] = {
      {"NULLs of one type", Value::Null(SqlType::VarChar(10)), Value::Null(SqlType::VarChar(10)),
       true},
      {"NULLs of two types", Value::Null(), Value::Null(SqlType::VarChar(10)), false},
      {"NULLs of two lengths", Value::Null(SqlType::VarChar(10)), Value::Null(SqlType::VarChar(20)),
       false},
      {"NULL and a value", Value::Null(), Value::Integer(0), false},
      {"equal ints", Value::Integer(7), Value::Integer(7), true},
      {"int and bigint", Value::Integer(7), Value::Integer(7, TypeKind::kBigInt), false},
      {"case", Value::String("a"), Value::String("A"), false},
      {"trailing blank", Value::String("a"), Value::String("a "), false},
      {"char and varchar", Value::String("a", TypeKind::kChar), Value::String("a"), false},
      {"text and binary", Value::String("ab"), Value::Bytes("ab"), false},
      {"1.0 and 1.00", Value::Decimal(10, 10, 1), Value::Decimal(100, 10, 2), false},
      {"two precisions", Value::Decimal(10, 10, 1), Value::Decimal(10, 18, 1), false},
      {"equal decimals", Value::Decimal(-125, 10, 2), Value::Decimal(-125, 10, 2), true},
      {"numeric and decimal", Value::Null(SqlType{TypeKind::kDecimal, 0, 10, 2, true}),
       Value::Null(SqlType::Decimal(10, 2)), false},
      {"0.0 and -0.0", Value::Float(0.0), Value::Float(-0.0), false},
      {"equal dates", Value::DateTime(86'400'000), Value::DateTime(86'400'000), true},
      {"16 inline bytes", Value::String("0123456789abcdef"), Value::String("0123456789abcdef"),
       true},
      {"16 and 17 bytes", Value::String("0123456789abcdef"), Value::String("0123456789abcdefg"),
       false},
      {"long texts built apart", heap_text, Value::String(long_text, SqlType::VarChar(60)), true},
      {"a long text and its copy", heap_text, Value(heap_text), true},
      {"long texts, last byte", heap_text,
       Value::String(long_text.substr(0, long_text.size() - 1) + "D", SqlType::VarChar(60)), false},
      {"long texts, case", heap_text,
       Value::String("VOLKSBANK RAIFFEISENBANK NORD", SqlType::VarChar(60)), false},
  };
  for (const Pair& pair : pairs) {
    SCOPED_TRACE(pair.what);
    EXPECT_EQ(SameStored(pair.a, pair.b), pair.same);
    EXPECT_EQ(SameStored(pair.b, pair.a), pair.same);
    if (pair.same) {
      EXPECT_EQ(StoredHash(pair.a), StoredHash(pair.b));
    }
  }
  EXPECT_TRUE(SameStoredRow({Value::Integer(1), heap_text}, {Value::Integer(1), Value(heap_text)}));
  EXPECT_FALSE(SameStoredRow({Value::Integer(1), heap_text}, {Value::Integer(1)}));
}

}  // namespace
}  // namespace quelor::sim::testing
