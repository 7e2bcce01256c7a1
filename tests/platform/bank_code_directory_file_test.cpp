// The bank code directory placed beside the executable, looked for in a
// temporary directory.
#include "platform/bank_code_directory_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace quelor::platform {
namespace {

namespace fs = std::filesystem;

class BankCodeDirectoryFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quelor-blz-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    directory_ = pattern + "/";
  }

  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(directory_, ignored);
  }

  std::string directory_;
};

TEST_F(BankCodeDirectoryFileTest, NoFileMeansTheCompiledInDirectory) {
  std::ofstream(directory_ + "blz-aktuell.txt") << "other name\r\n";
  EXPECT_EQ(ReadBankCodeDirectoryFile(directory_), std::nullopt);
  EXPECT_EQ(ReadBankCodeDirectoryFile(directory_ + "missing/"), std::nullopt);
  EXPECT_EQ(ReadBankCodeDirectoryBesideExecutable(), std::nullopt);
}

TEST_F(BankCodeDirectoryFileTest, ReadsTheDownloadedFileByteForByte) {
  const char raw[] = "100000001M\xFCnchen\r\n\0\x80 end";
  const std::string bytes(raw, sizeof raw - 1);
  std::ofstream(directory_ + "blz-aktuell-txt-data.txt", std::ios::binary) << bytes;
  EXPECT_EQ(ReadBankCodeDirectoryFile(directory_), bytes);

  std::ofstream(directory_ + "blz-aktuell-txt-data.txt", std::ios::binary | std::ios::trunc);
  EXPECT_EQ(ReadBankCodeDirectoryFile(directory_), "");
}

TEST_F(BankCodeDirectoryFileTest, AnUnreadableEntryOfThatNameIsAnError) {
  fs::create_directory(directory_ + "blz-aktuell-txt-data.txt");
  try {
    ReadBankCodeDirectoryFile(directory_);
    FAIL() << "a directory of that name was taken as the file";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find(directory_ + "blz-aktuell-txt-data.txt"),
              std::string::npos)
        << error.what();
  }
}

}  // namespace
}  // namespace quelor::platform
