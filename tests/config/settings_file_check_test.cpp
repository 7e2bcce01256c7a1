// What the line about a settings file that cannot serve says, case by case.
#include "config/settings_file_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

namespace quelor::config {
namespace {

using namespace std::string_literals;

TEST(SettingsFileProblem, NamesThePathAndWhatIsWrong) {
  const std::filesystem::path folder =
      std::filesystem::path(::testing::TempDir()) / "settings_file_check";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder / "folder.INI");
  struct Case {
    const char* name;
    std::optional<std::string> content;  // none: no file written
    std::string problem;                 // after the path; empty when the file serves
  } cases[] = {
      {"missing.INI", std::nullopt, " does not exist"},
      {"folder.INI", std::nullopt, " is a directory, not a file"},
      {"empty.INI", "", " is empty"},
      {"other.INI", "[Verzeichnis]\r\nHauptVerz=C:\\\r\n", " has no [Datenbank] section"},
      {"nokey.INI", "[Datenbank]\r\nUser ID=sa\r\n",
       " has no Provider key in its [Datenbank] section"},
      {"blank.INI", "[Datenbank]\r\nProvider=  \r\n",
       " has an empty Provider in its [Datenbank] section"},
      // The first [Datenbank] counts, as when the run reads it.
      {"second.INI", "[datenbank]\r\nUser ID=sa\r\n[Datenbank]\r\nProvider=SQLOLEDB.1\r\n",
       " has no Provider key in its [Datenbank] section"},
      {"fine.INI", "[DATENBANK]\nprovider=SQLOLEDB.1\n", ""},
      {"utf16le.INI",
       "\xFF\xFE[\0D\0a\0t\0e\0n\0b\0a\0n\0k\0]\0\n\0P\0r\0o\0v\0i\0d\0e\0r\0=\0X\0"s, ""},
      {"utf16be.INI",
       "\xFE\xFF\0[\0D\0a\0t\0e\0n\0b\0a\0n\0k\0]\0\n\0P\0r\0o\0v\0i\0d\0e\0r\0=\0X"s, ""},
  };
  for (const Case& c : cases) {
    const std::filesystem::path path = folder / c.name;
    if (c.content) std::ofstream(path, std::ios::binary) << *c.content;
    const std::string expected =
        c.problem.empty() ? "" : "the settings file " + path.string() + c.problem;
    EXPECT_EQ(SettingsFileProblem(path.string()), expected) << c.name;
  }
}

}  // namespace
}  // namespace quelor::config
