// The trace file on Windows: its access list names its owner alone, whether
// the file is new or was there before with the folder's wider rights, and a
// path with umlauts and blanks works.
#include <aclapi.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/private_file.h"
#include "platform/utf8_path.h"

namespace quelor::platform {
namespace {

struct Access {
  int entries = -1;
  bool only_owner = false;
  bool inherits = true;
};

Access AccessOf(const std::filesystem::path& path) {
  Access access;
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &dacl, nullptr, &descriptor) != ERROR_SUCCESS) {
    return access;
  }
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  ::GetSecurityDescriptorControl(descriptor, &control, &revision);
  access.inherits = (control & SE_DACL_PROTECTED) == 0;
  access.entries = dacl == nullptr ? -1 : dacl->AceCount;

  HANDLE token = nullptr;
  ::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token);
  unsigned char buffer[256];
  DWORD size = sizeof buffer;
  ::GetTokenInformation(token, TokenUser, buffer, size, &size);
  ::CloseHandle(token);
  const PSID user = reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid;
  void* ace = nullptr;
  if (access.entries == 1 && ::GetAce(dacl, 0, &ace)) {
    auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
    access.only_owner = allowed->Header.AceType == ACCESS_ALLOWED_ACE_TYPE &&
                        ::EqualSid(reinterpret_cast<PSID>(&allowed->SidStart), user);
  }
  ::LocalFree(descriptor);
  return access;
}

// Wine keeps no access lists of its own for files: it derives one from the
// Unix mode bits, so what the program set cannot be read back there.
bool UnderWine() {
  const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

TEST(PrivateFileOnWindows, NamesItsOwnerAloneWhetherNewOrThereBefore) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / PathFromUtf8("quelor Vereinsb\xC3\xBCro");
  std::filesystem::create_directories(folder);
  const std::filesystem::path fresh = folder / "fresh.trace";
  const std::filesystem::path old = folder / "old.trace";
  std::filesystem::remove(fresh);
  std::ofstream(old) << "an older, longer trace with the folder's rights\n";
  for (const std::filesystem::path& path : {fresh, old}) {
    auto file = CreatePrivateFile(Utf8FromPath(path));
    file->stream() << "=== catalogue Quelor | open | ok\n";
    EXPECT_EQ(file->Finish(), "") << path;
    if (!UnderWine()) {
      const Access access = AccessOf(path);
      EXPECT_EQ(access.entries, 1) << path;
      EXPECT_TRUE(access.only_owner) << path;
      EXPECT_FALSE(access.inherits) << path;
    }
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "=== catalogue Quelor | open | ok\n") << path;
  }
  std::filesystem::remove_all(folder);
}

TEST(PrivateFileOnWindows, AFolderThatIsNotThereIsAnErrorNamingThePath) {
  try {
    CreatePrivateFile("C:\\no such folder\\x.trace");
    FAIL() << "created a file in a missing folder";
  } catch (const std::system_error& error) {
    EXPECT_NE(std::string(error.what()).find("C:\\no such folder\\x.trace"), std::string::npos)
        << error.what();
  }
}

}  // namespace
}  // namespace quelor::platform
