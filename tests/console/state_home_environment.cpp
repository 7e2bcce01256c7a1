// The programs these tests start leave their logs under $XDG_STATE_HOME.
// ctest sets it to the build tree; a test program started by hand gets a
// temporary folder here, so no test run writes into the home folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

class StateHomeInTemporaryFolder : public ::testing::Environment {
 public:
  void SetUp() override {
    const char* set = std::getenv("XDG_STATE_HOME");
    if (set != nullptr && *set != '\0') return;
    const std::string folder = ::testing::TempDir() + "quelor-test-state";
    ::setenv("XDG_STATE_HOME", folder.c_str(), 1);
  }
};

[[maybe_unused]] ::testing::Environment* const state_home =
    ::testing::AddGlobalTestEnvironment(new StateHomeInTemporaryFolder);

}  // namespace
