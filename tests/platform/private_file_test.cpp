// Files for the owner only, and a write that did not reach the disk is told.
#include "platform/private_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace quelor::platform {
namespace {

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

TEST(PrivateFile, IsReadableByItsOwnerOnlyWhetherNewOrThereBefore) {
  const std::string dir = ::testing::TempDir();
  const std::string fresh = dir + "private_file_fresh.trace";
  const std::string old = dir + "private_file_old.trace";
  std::filesystem::remove(fresh);
  std::ofstream(old) << "an older, longer trace that everyone could read\n";
  ::chmod(old.c_str(), 0644);
  const mode_t previous_umask = ::umask(0);  // even a permissive umask does not widen it
  for (const std::string& path : {fresh, old}) {
    auto file = CreatePrivateFile(path);
    file->stream() << "=== catalogue Quelor | open | ok\n";
    EXPECT_EQ(file->Finish(), "") << path;
    EXPECT_EQ(ModeOf(path), 0600u) << path;
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "=== catalogue Quelor | open | ok\n") << path;
  }
  ::umask(previous_umask);
}

TEST(PrivateFile, AFullDiskIsReportedAtTheEnd) {
  auto file = CreatePrivateFile("/dev/full");
  for (int i = 0; i < 10000; ++i) file->stream() << "=== working QUELOR_A | execute | ok\n";
  EXPECT_EQ(file->Finish(), "No space left on device");
  // Small enough to stay in the buffer until the end: still reported.
  auto small = CreatePrivateFile("/dev/full");
  small->stream() << "x";
  EXPECT_EQ(small->Finish(), "No space left on device");
}

TEST(PrivateFile, AFileThatCannotBeCreatedThrowsWithItsName) {
  try {
    CreatePrivateFile("/nonexistent/dir/x.trace");
    ADD_FAILURE() << "no error";
  } catch (const std::system_error& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent/dir/x.trace"), std::string::npos);
  }
}

}  // namespace
}  // namespace quelor::platform
