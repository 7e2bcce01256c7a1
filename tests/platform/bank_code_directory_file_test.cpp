// The bank code directory placed beside the executable, looked for in a
// temporary directory.
#include "platform/bank_code_directory_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "platform/utf8_path.h"

namespace quelor::platform {
namespace {

namespace fs = std::filesystem;

class BankCodeDirectoryFileTest : public ::testing::Test {
 protected:
  // A folder of its own per test, with an umlaut and a blank in its name as
  // a club's office PC may have them.
  void SetUp() override {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const fs::path folder =
        fs::temp_directory_path() / PathFromUtf8("quelor-blz B\xC3\xBCro " + name);
    fs::remove_all(folder);
    ASSERT_TRUE(fs::create_directories(folder));
    directory_ = Utf8FromPath(folder) + "/";
  }

  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(PathFromUtf8(directory_), ignored);
  }

  std::string directory_;
};

TEST_F(BankCodeDirectoryFileTest, NoFileMeansTheCompiledInDirectory) {
  std::ofstream(PathFromUtf8(directory_ + "blz-aktuell.txt")) << "other name\r\n";
  EXPECT_EQ(ReadBankCodeDirectoryFile(directory_), std::nullopt);
  EXPECT_EQ(ReadBankCodeDirectoryFile(directory_ + "missing/"), std::nullopt);
  EXPECT_EQ(ReadBankCodeDirectoryBesideExecutable(), std::nullopt);
}

TEST_F(BankCodeDirectoryFileTest, ReadsTheDownloadedFileByteForByte) {
  const char raw[] = "100000001M\xFCnchen\r\n\0\x80 end";
  const std::string bytes(raw, sizeof raw - 1);
  std::ofstream(PathFromUtf8(directory_ + "blz-aktuell-txt-data.txt"), std::ios::binary) << bytes;
  EXPECT_EQ(ReadBankCodeDirectoryFile(directory_), bytes);

  std::ofstream(PathFromUtf8(directory_ + "blz-aktuell-txt-data.txt"),
                std::ios::binary | std::ios::trunc);
  EXPECT_EQ(ReadBankCodeDirectoryFile(directory_), "");
}

TEST_F(BankCodeDirectoryFileTest, AnUnreadableEntryOfThatNameIsAnError) {
  fs::create_directory(PathFromUtf8(directory_ + "blz-aktuell-txt-data.txt"));
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
