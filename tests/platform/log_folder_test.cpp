// How many old logs the log folder keeps, and which ones go.
#include "platform/log_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace quelor::platform {
namespace {

namespace fs = std::filesystem;

TEST(PruneLogFolder, DeletesTheOldestFirstAndNeverTheCurrentLog) {
  struct File {
    std::string name;
    std::size_t size;
  };
  struct Case {
    const char* what;
    std::vector<File> files;
    std::string current;
    LogRetention retention;
    std::vector<std::string> deleted;  // oldest first
  } cases[] = {
      {"within both limits nothing goes",
       {{"update-20261201-010000-1.log", 10}, {"update-20261202-010000-2.log", 10}},
       "update-20261202-010000-2.log",
       {3, 100},
       {}},
      {"too many: the oldest go, whatever their size",
       {{"update-20261201-010000-1.log", 1},
        {"update-20261202-010000-2.log", 1},
        {"update-20261203-010000-3.log", 1},
        {"update-20261204-010000-4.log", 1}},
       "update-20261204-010000-4.log",
       {2, 100},
       {"update-20261201-010000-1.log", "update-20261202-010000-2.log"}},
      {"too big: older ones go until the rest fits",
       {{"update-20261201-010000-1.log", 40},
        {"update-20261202-010000-2.log", 40},
        {"update-20261203-010000-3.log", 40}},
       "update-20261203-010000-3.log",
       {20, 100},
       {"update-20261201-010000-1.log"}},
      {"a current log bigger than the bound stays, all others go",
       {{"update-20261201-010000-1.log", 5}, {"update-20261202-010000-2.log", 500}},
       "update-20261202-010000-2.log",
       {20, 100},
       {"update-20261201-010000-1.log"}},
      {"other files are left alone",
       {{"notes.txt", 1000},
        {"update.log", 1000},
        {"update-20261201-010000-1.log", 1},
        {"update-20261202-010000-2.log", 1}},
       "update-20261202-010000-2.log",
       {1, 100},
       {"update-20261201-010000-1.log"}},
  };
  for (const Case& c : cases) {
    const fs::path folder = fs::path(::testing::TempDir()) / "prune_log_folder";
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const File& file : c.files) {
      std::ofstream(folder / file.name, std::ios::binary) << std::string(file.size, 'x');
    }
    EXPECT_EQ(PruneLogFolder(folder.string(), c.current, c.retention), c.deleted) << c.what;
    std::set<std::string> expected;
    for (const File& file : c.files) expected.insert(file.name);
    for (const std::string& name : c.deleted) expected.erase(name);
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder)) {
      left.insert(entry.path().filename().string());
    }
    EXPECT_EQ(left, expected) << c.what;
  }
}

TEST(PruneLogFolder, AMissingFolderDeletesNothing) {
  EXPECT_TRUE(PruneLogFolder((fs::path(::testing::TempDir()) / "no_such_log_folder").string(), "x")
                  .empty());
}

}  // namespace
}  // namespace quelor::platform
