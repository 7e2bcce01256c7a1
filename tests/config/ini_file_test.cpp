#include "config/ini_file.h"

#include <gtest/gtest.h>

namespace quelor::config {
namespace {

TEST(IniFile, FindsKeyInSection) {
  IniFile ini = IniFile::Parse("[Datenbank]\nProvider=SQLOLEDB.1\n");
  EXPECT_EQ(ini.Get("Datenbank", "Provider"), "SQLOLEDB.1");
}

}  // namespace
}  // namespace quelor::config
