#include <aclapi.h>
#include <windows.h>

#include <memory>
#include <system_error>
#include <vector>

#include "platform/file_stream_buffer.h"
#include "platform/private_file.h"
#include "platform/windows_text.h"

namespace quelor::platform {
namespace {

class HandleBuffer : public FileStreamBuffer {
 public:
  explicit HandleBuffer(HANDLE handle) : handle_(handle) {}
  ~HandleBuffer() override { Close(); }

 protected:
  std::size_t WriteSome(const char* data, std::size_t size, std::string& failure) override {
    DWORD written = 0;
    const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (::WriteFile(handle_, data, chunk, &written, nullptr) && written > 0) return written;
    failure = SystemMessage(::GetLastError());
    return 0;
  }

  std::string CloseFile() override {
    return ::CloseHandle(handle_) ? std::string() : SystemMessage(::GetLastError());
  }

 private:
  HANDLE handle_;
};

class WindowsPrivateFile : public PrivateFile {
 public:
  explicit WindowsPrivateFile(HANDLE handle) : buffer_(handle), stream_(&buffer_) {}

  std::ostream& stream() override { return stream_; }

  std::string Finish() override {
    stream_.flush();
    return buffer_.Close();
  }

 private:
  HandleBuffer buffer_;
  std::ostream stream_;
};

// The account the program runs as, from its process token.
std::vector<unsigned char> CurrentUserSid() {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
  DWORD size = 0;
  ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<unsigned char> info(size);
  const bool ok = size > 0 && ::GetTokenInformation(token, TokenUser, info.data(), size, &size);
  ::CloseHandle(token);
  if (!ok) return {};
  const PSID sid = reinterpret_cast<TOKEN_USER*>(info.data())->User.Sid;
  const DWORD length = ::GetLengthSid(sid);
  std::vector<unsigned char> copy(length);
  ::CopySid(length, copy.data(), sid);
  return copy;
}

// An access list with one entry: full control for `sid`, nothing for anyone
// else, and nothing inherited from the folder.
std::vector<unsigned char> OwnerOnlyAcl(PSID sid) {
  const DWORD size = sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + ::GetLengthSid(sid);
  std::vector<unsigned char> acl(size);
  auto* list = reinterpret_cast<PACL>(acl.data());
  if (!::InitializeAcl(list, size, ACL_REVISION) ||
      !::AddAccessAllowedAce(list, ACL_REVISION, GENERIC_ALL, sid)) {
    return {};
  }
  return acl;
}

[[noreturn]] void Fail(DWORD error, const std::string& path) {
  throw std::system_error(static_cast<int>(error), std::system_category(),
                          path + ": " + SystemMessage(error));
}

}  // namespace

std::unique_ptr<PrivateFile> CreatePrivateFile(const std::string& path) {
  std::vector<unsigned char> sid = CurrentUserSid();
  std::vector<unsigned char> acl = sid.empty() ? sid : OwnerOnlyAcl(sid.data());
  if (acl.empty()) Fail(::GetLastError(), path);
  SECURITY_DESCRIPTOR descriptor;
  ::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  ::SetSecurityDescriptorDacl(&descriptor, TRUE, reinterpret_cast<PACL>(acl.data()), FALSE);
  ::SetSecurityDescriptorControl(&descriptor, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
  SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};

  const std::wstring wide = WideFromUtf8(path);
  HANDLE handle = ::CreateFileW(wide.c_str(), GENERIC_WRITE | WRITE_DAC, FILE_SHARE_READ,
                                &attributes, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) Fail(::GetLastError(), path);
  // The access list of CreateFileW applies to a new file only. A file that
  // was there before is given the same list; a device (NUL) is left as it is.
  if (::GetLastError() == ERROR_ALREADY_EXISTS && ::GetFileType(handle) == FILE_TYPE_DISK) {
    const DWORD rc = ::SetSecurityInfo(
        handle, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
        nullptr, nullptr, reinterpret_cast<PACL>(acl.data()), nullptr);
    if (rc != ERROR_SUCCESS) {
      ::CloseHandle(handle);
      Fail(rc, path);
    }
  }
  return std::make_unique<WindowsPrivateFile>(handle);
}

}  // namespace quelor::platform
