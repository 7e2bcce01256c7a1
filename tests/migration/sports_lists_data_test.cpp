// The sports and federation loads: each command runs completely on the
// simulated server against its tables as they are shaped when the catalogue
// sends it, and leaves exactly the rows of its data files; plus the facts
// the lists must keep among themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "migration/data_file.h"
#include "migration/reference_commands.h"
#include "sim/sim_fixture.h"

namespace quelor::resources {
extern const std::string_view kSport2014Sportarten;
extern const std::string_view kSport2014Fachverbaende;
extern const std::string_view kVerbSportArt;
extern const std::string_view kDsaFachverband;
extern const std::string_view kFachverbaende;
extern const std::string_view kSportarten;
extern const std::string_view kFachverbaendeNeu;
}  // namespace quelor::resources

namespace quelor::testing {
namespace {

using migration::DataFile;
using migration::ParseDataFile;
using Table = std::vector<std::vector<std::string>>;

// What one table holds after a load: `select` reads the file's columns in
// file order, then (when `running_number`) the number 1..n, then `constants`.
// The data file by address: the resources are initialised in another unit.
struct Filled {
  std::string select;
  const std::string_view* file;
  bool running_number;
  std::vector<std::string> constants;
};

struct LoadCase {
  const char* name;
  std::string (*command)();
  std::vector<std::string> tables;
  std::string first_statement;
  std::vector<Filled> filled;
};

std::ostream& operator<<(std::ostream& out, const LoadCase& c) { return out << c.name; }

const std::string kSportartenForScript =
    "CREATE TABLE dbo.Sportarten (KZ varchar(50) NOT NULL, NUMMER varchar(20) NOT NULL, "
    "SPORTART varchar(60) NULL, VerbandNr varchar(20) NULL, LfdNr INT NULL)";
const std::string kFachverbaendeForScript =
    "CREATE TABLE dbo.fachverbaende (KZ varchar(50) NOT NULL, NUMMER varchar(20) NOT NULL, "
    "FACHVERBAN varchar(60) NULL, Kn char(1) NULL, LfdNr INT NOT NULL)";
const std::string kKeyedSportarten =
    "CREATE TABLE dbo.Sportarten (KZ varchar(50) NOT NULL, NUMMER varchar(20) NOT NULL, "
    "SPORTART varchar(120) NULL, VerbandNr varchar(20) NULL, LfdNr INT IDENTITY (1,1) NOT NULL, "
    "CONSTRAINT PK_Sportarten PRIMARY KEY CLUSTERED (KZ, NUMMER, LfdNr))";
const std::string kKeyedFachverbaende =
    "CREATE TABLE dbo.fachverbaende (KZ varchar(50) NOT NULL, NUMMER varchar(20) NOT NULL, "
    "FACHVERBAN varchar(120) NULL, Kn char(1) NULL, LfdNr INT IDENTITY (1,1) NOT NULL, "
    "CONSTRAINT PK_fachverbaende PRIMARY KEY CLUSTERED (KZ, NUMMER, LfdNr))";
const std::string kFachverbaendeForNewList =
    "CREATE TABLE dbo.fachverbaende (KZ varchar(50) NOT NULL, NUMMER varchar(20) NOT NULL, "
    "FACHVERBAN varchar(120) NULL, Kn char(1) NULL, LfdNr INT NOT NULL)";

const LoadCase kLoads[] = {
    {"MemoSport2014",
     migration::MemoSport2014Script,
     {kSportartenForScript, kFachverbaendeForScript},
     "Insert Into Sportarten Select KZ='BLSV', NUMMER='0', SPORTART='Adventure Race', "
     "VerbandNr='34', LfdNr=1",
     {{"SELECT KZ, NUMMER, SPORTART, VerbandNr, LfdNr FROM Sportarten",
       &resources::kSport2014Sportarten,
       true,
       {}},
      {"SELECT KZ, NUMMER, FACHVERBAN, LfdNr, Kn FROM fachverbaende",
       &resources::kSport2014Fachverbaende,
       true,
       {"NULL"}}}},
    {"VerbSportArt",
     migration::VerbSportArtCommand,
     {"CREATE TABLE dbo.VerbSportArt ([Nummer] [varchar](3) NOT NULL, [Sportart] [varchar](120) "
      "NULL, [Kennung] [varchar](50) NULL, LfdNr int NULL, CONSTRAINT PK_VerbSportArt PRIMARY KEY "
      "CLUSTERED (Nummer))"},
     "Insert Into VerbSportArt Select Nummer='001', Sportart='Aerobic, Sport-Aerobic', "
     "Kennung=null, LfdNr=null",
     {{"SELECT Nummer, Sportart, Kennung, LfdNr FROM VerbSportArt",
       &resources::kVerbSportArt,
       false,
       {"NULL", "NULL"}}}},
    {"DSAFachverband",
     migration::DsaFachverbandCommand,
     {"CREATE TABLE DSAFachverband (Nr VARCHAR (3) NOT NULL, Bezeichnung VARCHAR (200) NOT NULL, "
      "CONSTRAINT PK_DSAFachverband PRIMARY KEY CLUSTERED (Nr))"},
     "Insert Into DSAFachverband Select Nr='001', Bezeichnung='American Football "
     "DSAFachverband Deutschland (AFVD)'",
     {{"SELECT Nr, Bezeichnung FROM DSAFachverband", &resources::kDsaFachverband, false, {}}}},
    {"fachverbaende",
     migration::FachverbaendeCommand,
     {kKeyedFachverbaende},
     "Insert Into fachverbaende Select KZ='BLSV', NUMMER='01', FACHVERBAN='Badminton', Kn=null",
     {{"SELECT KZ, NUMMER, FACHVERBAN, Kn FROM fachverbaende",
       &resources::kFachverbaende,
       false,
       {"NULL"}}}},
    {"Sportarten",
     migration::SportartenCommand,
     {kKeyedSportarten},
     "Insert Into Sportarten Select KZ='LSB NRW', NUMMER='0001', SPORTART='Badminton', "
     "VerbandNr=null",
     {{"SELECT KZ, NUMMER, SPORTART, VerbandNr FROM Sportarten",
       &resources::kSportarten,
       false,
       {}}}},
    {"FachverbaendeNeu",
     migration::FachverbaendeNeuCommand,
     {kFachverbaendeForNewList},
     "Insert Into fachverbaende Select KZ='LSB Thüringen', NUMMER='0087', FACHVERBAN='Floorball', "
     "Kn=' ', LfdNr=3429",
     {{"SELECT KZ, NUMMER, FACHVERBAN, LfdNr, Kn FROM fachverbaende",
       &resources::kFachverbaendeNeu,
       false,
       {" "}}}},
};

Table Expected(const Filled& filled) {
  const DataFile file = ParseDataFile("expected", *filled.file);
  Table rows;
  int number = 0;
  for (const auto& row : file.rows) {
    std::vector<std::string> fields;
    for (const auto& field : row) fields.push_back(field.value_or("NULL"));
    if (filled.running_number) fields.push_back(std::to_string(++number));
    fields.insert(fields.end(), filled.constants.begin(), filled.constants.end());
    rows.push_back(std::move(fields));
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

std::vector<std::string> Statements(const std::string& text) {
  std::vector<std::string> statements;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find("\r\n", start);
    statements.push_back(text.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) return statements;
    start = end + 2;
  }
}

class SportsListLoadTest : public sim::testing::SimTest,
                           public ::testing::WithParamInterface<LoadCase> {};

TEST_P(SportsListLoadTest, RunsCompletelyAndLeavesExactlyTheRowsOfItsDataFiles) {
  const LoadCase& load = GetParam();
  for (const auto& create : load.tables) Run(create);
  const std::string command = load.command();

  // One statement per line, CR LF between them and none after the last.
  const std::vector<std::string> statements = Statements(command);
  EXPECT_EQ(statements.front(), load.first_statement);
  EXPECT_FALSE(statements.back().empty());
  std::size_t rows = 0;
  for (const auto& filled : load.filled) rows += ParseDataFile("rows", *filled.file).rows.size();
  EXPECT_EQ(statements.size(), rows);
  for (const auto& statement : statements) {
    ASSERT_EQ(statement.find_first_of("\r\n"), std::string::npos) << statement;
  }

  ASSERT_EQ(ErrorOf(command), "(no error)");
  for (const auto& filled : load.filled) {
    Table actual = Rows(filled.select);
    std::sort(actual.begin(), actual.end());
    EXPECT_EQ(actual, Expected(filled)) << filled.select;
  }
}

INSTANTIATE_TEST_SUITE_P(SportsLists, SportsListLoadTest, ::testing::ValuesIn(kLoads),
                         [](const auto& load) { return std::string(load.param.name); });

TEST(SportsListDataTest, ApostropheInANameIsDoubledAndStoredOnce) {
  const std::string script = migration::MemoSport2014Script();
  EXPECT_NE(script.find("SPORTART='Rock''n''Roll'"), std::string::npos);
  EXPECT_EQ(script.find("'Rock'n'Roll'"), std::string::npos);
}

// --- The lists among themselves ------------------------------------------------

using Keys = std::set<std::pair<std::string, std::string>>;

std::string Field(const DataFile& file, const std::vector<migration::DataField>& row,
                  std::string_view column) {
  return row[file.ColumnIndex(column)].value_or("NULL");
}

// (KZ, NUMMER) of every federation of `file`.
Keys Federations(std::string_view text) {
  const DataFile file = ParseDataFile("federations", text);
  Keys keys;
  for (const auto& row : file.rows)
    keys.insert({Field(file, row, "KZ"), Field(file, row, "NUMMER")});
  return keys;
}

// (KZ, VerbandNr) of every sport of `file` that names its federation, for
// the bodies `bodies` (all when empty).
Keys FederationsNamedBySports(std::string_view text, const std::set<std::string>& bodies = {}) {
  const DataFile file = ParseDataFile("sports", text);
  Keys keys;
  for (const auto& row : file.rows) {
    const std::string kz = Field(file, row, "KZ");
    const std::string verband = Field(file, row, "VerbandNr");
    if (verband != "NULL" && (bodies.empty() || bodies.count(kz))) keys.insert({kz, verband});
  }
  return keys;
}

Keys Missing(const Keys& wanted, const Keys& present) {
  Keys missing;
  std::set_difference(wanted.begin(), wanted.end(), present.begin(), present.end(),
                      std::inserter(missing, missing.begin()));
  return missing;
}

std::set<std::string> BodiesOf(std::string_view text) {
  const DataFile file = ParseDataFile("bodies", text);
  std::set<std::string> bodies;
  for (const auto& row : file.rows) bodies.insert(Field(file, row, "KZ"));
  return bodies;
}

TEST(SportsListDataTest, BodiesAreTheStateSportsBodiesWithRhinelandPalatinateInItsThreeParts) {
  const std::set<std::string> bodies = {"BSB Nord",
                                        "BSB Süd",
                                        "WLSB",
                                        "BLSV",
                                        "HSB",
                                        "LSB Berlin",
                                        "LSB Brandenburg",
                                        "LSB Bremen",
                                        "LSB Hessen",
                                        "LSB Mecklenburg-Vorpommern",
                                        "LSB Niedersachsen",
                                        "LSB NRW",
                                        "LSB Sachsen",
                                        "LSB Sachsen-Anhalt",
                                        "LSB Thüringen",
                                        "LSB \u2013 Saarland",
                                        "LSB Schleswig-Holstein",
                                        "Sportbund Rheinland",
                                        "Sportbund Pfalz",
                                        "Sportbund Rheinhessen"};
  EXPECT_EQ(BodiesOf(resources::kSport2014Sportarten), bodies);
  EXPECT_EQ(BodiesOf(resources::kSport2014Fachverbaende), bodies);
  EXPECT_EQ(BodiesOf(resources::kFachverbaendeNeu), bodies);
  const std::set<std::string> reloaded = {"BLSV", "LSB Thüringen", "LSB NRW"};
  EXPECT_EQ(BodiesOf(resources::kFachverbaende), reloaded);
  EXPECT_EQ(BodiesOf(resources::kSportarten), reloaded);
}

TEST(SportsListDataTest, EverySportNamesAFederationOfItsBody) {
  EXPECT_EQ(Missing(FederationsNamedBySports(resources::kSport2014Sportarten),
                    Federations(resources::kSport2014Fachverbaende)),
            Keys{});
  EXPECT_EQ(Missing(FederationsNamedBySports(resources::kSportarten),
                    Federations(resources::kFachverbaende)),
            Keys{});
  // After all reloads the 2014 sports of the bodies not reloaded and the
  // reloaded sports stand beside the new federation list.
  std::set<std::string> kept = BodiesOf(resources::kSport2014Sportarten);
  for (const auto& body : BodiesOf(resources::kSportarten)) kept.erase(body);
  Keys named = FederationsNamedBySports(resources::kSport2014Sportarten, kept);
  named.merge(FederationsNamedBySports(resources::kSportarten));
  EXPECT_EQ(Missing(named, Federations(resources::kFachverbaendeNeu)), Keys{});
}

TEST(SportsListDataTest, RevisedBavarianListLeavesNumber0176ToNovussUnderBilliards) {
  // The sport the catalogue adds afterwards: BLSV 0176 Novuss, federation 04.
  const DataFile sports = ParseDataFile("sportarten", resources::kSportarten);
  for (const auto& row : sports.rows) {
    EXPECT_FALSE(Field(sports, row, "KZ") == "BLSV" && Field(sports, row, "NUMMER") == "0176");
    EXPECT_NE(Field(sports, row, "SPORTART"), "Novuss");
  }
  EXPECT_TRUE(Federations(resources::kFachverbaende).count({"BLSV", "04"}));
  const DataFile federations = ParseDataFile("fachverbaende", resources::kFachverbaende);
  for (const auto& row : federations.rows) {
    if (Field(federations, row, "KZ") == "BLSV" && Field(federations, row, "NUMMER") == "04") {
      EXPECT_EQ(Field(federations, row, "FACHVERBAN"), "Billard");
    }
  }
}

TEST(SportsListDataTest, NumbersAndRunningNumbersAreUnique) {
  const DataFile neu = ParseDataFile("fachverbaendeNeu", resources::kFachverbaendeNeu);
  std::set<int> lfd_nr;
  for (const auto& row : neu.rows) {
    const std::string text = Field(neu, row, "LfdNr");
    ASSERT_TRUE(!text.empty() && std::all_of(text.begin(), text.end(), ::isdigit)) << text;
    const int n = std::stoi(text);
    EXPECT_GE(n, 1693);
    EXPECT_TRUE(lfd_nr.insert(n).second) << n;
  }
  for (const auto& [name, text, column] :
       {std::tuple{"verbSportArt", resources::kVerbSportArt, "Nummer"},
        std::tuple{"dsaFachverband", resources::kDsaFachverband, "Nr"}}) {
    const DataFile file = ParseDataFile(name, text);
    std::set<std::string> numbers;
    for (const auto& row : file.rows) {
      const std::string number = Field(file, row, column);
      EXPECT_EQ(number.size(), 3u) << name << " " << number;
      EXPECT_TRUE(std::all_of(number.begin(), number.end(), ::isdigit)) << name << " " << number;
      EXPECT_TRUE(numbers.insert(number).second) << name << " " << number;
    }
  }
  const DataFile dsa = ParseDataFile("dsaFachverband", resources::kDsaFachverband);
  EXPECT_EQ(dsa.rows.back(), (std::vector<migration::DataField>{"999", "Sonstige"}));
}

}  // namespace
}  // namespace quelor::testing
