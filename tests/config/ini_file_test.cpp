// Reading SysDBAdo.INI by the rules of the Windows profile API.
#include "config/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "config/connection_settings.h"

namespace quelor::config {
namespace {

// `text` as UTF-16 bytes after `bom`.
std::string Utf16(std::string bom, std::u16string_view text, bool big_endian) {
  for (char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bom += big_endian ? high : low;
    bom += big_endian ? low : high;
  }
  return bom;
}

TEST(IniFile, FollowsTheProfileRules) {
  const struct {
    const char* name;
    std::string text;
    const char* section;
    const char* key;
    std::optional<std::string> value;
  } cases[] = {
      {"plain", "[Datenbank]\nProvider=SQLOLEDB.1\n", "Datenbank", "Provider", "SQLOLEDB.1"},
      {"section and key ignore case", "[DATENBANK]\nprovider=x\n", "Datenbank", "Provider", "x"},
      {"blanks around key and value", "[Datenbank]\n  User ID  =   sa  \n", "Datenbank", "User ID",
       "sa"},
      {"first = splits", "[Datenbank]\nPassword=a=b==\n", "Datenbank", "Password", "a=b=="},
      {"one pair of double quotes", "[Datenbank]\nPassword=\"\"geheim\"\"\n", "Datenbank",
       "Password", "\"geheim\""},
      {"single quotes", "[Datenbank]\nPassword=' x '\n", "Datenbank", "Password", " x "},
      {"unbalanced quote stays", "[Datenbank]\nPassword=\"abc\n", "Datenbank", "Password", "\"abc"},
      {"quotes inside stay", "[Datenbank]\nData Source=a\"b\"\n", "Datenbank", "Data Source",
       "a\"b\""},
      {"CR LF line ends", "[Datenbank]\r\nProvider=SQLNCLI11\r\nUser ID=sa\r\n", "Datenbank",
       "User ID", "sa"},
      {"UTF-8 byte-order mark", "\xEF\xBB\xBF[Datenbank]\r\nProvider=P\r\n", "Datenbank",
       "Provider", "P"},
      {"empty value", "[Datenbank]\nPassword=\n", "Datenbank", "Password", ""},
      {"first key wins", "[Datenbank]\nUser ID=a\nUser ID=b\n", "Datenbank", "User ID", "a"},
      {"first section wins", "[Datenbank]\nX=1\n[Datenbank]\nUser ID=b\n", "Datenbank", "User ID",
       std::nullopt},
      {"key of another section", "[Verzeichnis]\nProvider=x\n", "Datenbank", "Provider",
       std::nullopt},
      {"key before any section", "Provider=x\n[Datenbank]\n", "Datenbank", "Provider",
       std::nullopt},
      {"line without =", "[Datenbank]\nProvider\n", "Datenbank", "Provider", std::nullopt},
      {"blanks in section header", "[ Verzeichnis ]\nHauptVerz=C:\\Q\\\n", "Verzeichnis",
       "HauptVerz", "C:\\Q\\"},
      {"Windows-1252 file",
       "[Datenbank]\nPassword=Gr\xFC\xDF"
       "e\x80\n",
       "Datenbank", "Password",
       "Gr\xC3\xBC\xC3\x9F"
       "e\xE2\x82\xAC"},
      {"UTF-8 file",
       "[Datenbank]\nPassword=Gr\xC3\xBC\xC3\x9F"
       "e\n",
       "Datenbank", "Password",
       "Gr\xC3\xBC\xC3\x9F"
       "e"},
      {"value cut after 2047 characters", "[D]\nK=" + std::string(2047, 'a') + "bc\n", "D", "K",
       std::string(2047, 'a')},
      // Notepad's "Unicode": "[D]\r\nK=Grüße\U0001F600" with a byte-order mark.
      {"UTF-16 little-endian", Utf16("\xFF\xFE", u"[D]\r\nK=Gr\u00FC\u00DFe\U0001F600\r\n", false),
       "D", "K",
       "Gr\xC3\xBC\xC3\x9F"
       "e\xF0\x9F\x98\x80"},
      {"UTF-16 big-endian", Utf16("\xFE\xFF", u"[D]\nK=\u00C4\n", true), "D", "K", "\xC3\x84"},
      {"UTF-16 lone surrogate", Utf16("\xFF\xFE", u"[D]\nK=a", false) + std::string("\x00\xD8", 2),
       "D", "K", "a\xEF\xBF\xBD"},
      {"cut counts characters, not bytes",
       "[D]\nK=" + std::string(2046, 'a') + "\xC3\xA4\xC3\xB6\n", "D", "K",
       std::string(2046, 'a') + "\xC3\xA4"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IniFile::Parse(c.text).Find(c.section, c.key), c.value) << c.name;
  }
}

// A directory in the file's place once ended the run with the stream
// buffer's exception instead of the failed connect.
TEST(IniFile, AMissingFileOrADirectoryGivesTheDefaults) {
  const std::string directory = ::testing::TempDir() + "SysDBAdo_directory.INI";
  std::filesystem::create_directories(directory);
  for (const std::string& path : {std::string("/nonexistent/SysDBAdo.INI"), directory}) {
    ConnectionSettings s = ReadConnectionSettings(IniFile::Load(path));
    EXPECT_EQ(s.provider, "ERROR") << path;
    EXPECT_EQ(s.data_source, "") << path;
    EXPECT_EQ(s.user_id, "") << path;
    EXPECT_FALSE(s.integrated_security) << path;
  }
}

TEST(IniFile, LoadsAFileFromDisk) {
  const std::string path = ::testing::TempDir() + "SysDBAdo_load_test.INI";
  std::ofstream(path, std::ios::binary) << "[Datenbank]\r\nData Source=SRV\\SQLEXPRESS\r\n";
  EXPECT_EQ(IniFile::Load(path).Get("datenbank", "data source"), "SRV\\SQLEXPRESS");
}

TEST(IniFile, LoadsAFileInAFolderWithUmlautsAndBlanks) {
  const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) /
                                       std::filesystem::path(u8"Vereinsb\u00FCro Stra\u00DFe");
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "SysDBAdo.INI", std::ios::binary) << "[Datenbank]\r\nUser ID=sa\r\n";
  const std::u8string path = (folder / "SysDBAdo.INI").u8string();
  EXPECT_EQ(IniFile::Load(std::string(path.begin(), path.end())).Get("Datenbank", "User ID"), "sa");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace quelor::config
