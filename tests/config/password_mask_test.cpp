// Passwords are masked by their value, whatever characters they hold, bare
// and in the braced form of an ODBC connection string.
#include "config/password_mask.h"

#include <gtest/gtest.h>

#include <string>

#include "config/connection_settings.h"

namespace quelor::config {
namespace {

// Passwords that a "Password=" item read up to the next ";" would cut short
// or that an ODBC string holds only braced.
const char* const kPasswords[] = {
    "Geh;eim Wort=1", "a=b;c",    "{klammer}",       "x}y", "a;b}}c{",
    " blank ",        "Grüße;Äö", "it's \"quoted\"", "}",
};

TEST(PasswordMask, MasksEveryFormOfTheValueAndNothingElse) {
  for (const char* password : kPasswords) {
    ConnectionSettings settings;
    settings.provider = "SQLOLEDB.1";
    settings.password = password;
    settings.user_id = "sa";
    settings.data_source = "srv";
    const std::string text = CatalogueConnectionText(settings, "Quelor");
    const std::string masked = MaskPassword(text, password);
    EXPECT_EQ(masked.find(password), std::string::npos) << password << ": " << masked;
    EXPECT_NE(masked.find("Password=***;\r\nUser ID=sa;\r\n"), std::string::npos)
        << password << ": " << masked;

    std::string braced = "{";
    for (char c : std::string(password)) braced += c == '}' ? std::string("}}") : std::string(1, c);
    braced += "}";
    EXPECT_EQ(MaskPassword("UID=sa;PWD=" + braced + ";DATABASE=Quelor", password),
              "UID=sa;PWD=***;DATABASE=Quelor")
        << password;
  }
  EXPECT_EQ(MaskPassword("Password=;\r\nUser ID=sa;", ""), "Password=;\r\nUser ID=sa;");
}

TEST(PasswordMask, KeepsEveryPasswordOfTheRunLongestFirst) {
  PasswordMask mask;
  mask.Remember("ab");
  mask.Remember("");
  mask.Remember("xabx");
  mask.Remember("ab");
  EXPECT_EQ(mask.Apply("1 xabx 2 ab 3 {xabx}"), "1 *** 2 *** 3 ***");
  EXPECT_EQ(PasswordMask().Apply("nothing to hide"), "nothing to hide");
}

}  // namespace
}  // namespace quelor::config
