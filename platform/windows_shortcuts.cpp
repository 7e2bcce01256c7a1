// clang-format off
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
// clang-format on

#include "platform/windows_shortcuts.h"

#include "platform/windows_text.h"

namespace quelor::platform {
namespace {

// Releases a COM interface on every path.
template <typename Interface>
class ComPointer {
 public:
  ComPointer() = default;
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  ~ComPointer() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Interface** Receive() { return &pointer_; }
  Interface* operator->() const { return pointer_; }

 private:
  Interface* pointer_ = nullptr;
};

// Resolve without any window, and give up searching after this long (the
// upper word of the flags), so a link to a vanished network share cannot
// hold the end of the run.
constexpr DWORD kResolveTimeoutMs = 3000;
const DWORD kResolveFlags = static_cast<DWORD>(SLR_NO_UI) | static_cast<DWORD>(SLR_ANY_MATCH) |
                            static_cast<DWORD>(SLR_UPDATE) | (kResolveTimeoutMs << 16);

[[noreturn]] void Unusable(const char* step, HRESULT result, const std::string& path) {
  throw ShortcutError(ShortcutError::Kind::kUnusable,
                      std::string("Die Verknüpfung ") + path + " konnte nicht " + step +
                          " werden: " + SystemMessage(static_cast<unsigned long>(result)));
}

}  // namespace

WindowsShortcuts::WindowsShortcuts() {
  const HRESULT result = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // S_FALSE: already started on this thread, still to be balanced.
  // RPC_E_CHANGED_MODE: started otherwise by someone else, not ours to end.
  com_started_ = SUCCEEDED(result);
}

WindowsShortcuts::~WindowsShortcuts() {
  if (com_started_) ::CoUninitialize();
}

std::string WindowsShortcuts::FolderPath(SpecialFolder folder) const {
  int id = CSIDL_DESKTOPDIRECTORY;
  switch (folder) {
    case SpecialFolder::kCommonDesktop:
      id = CSIDL_COMMON_DESKTOPDIRECTORY;
      break;
    case SpecialFolder::kDesktop:
      id = CSIDL_DESKTOPDIRECTORY;
      break;
    case SpecialFolder::kCommonStartMenu:
      id = CSIDL_COMMON_STARTMENU;
      break;
    case SpecialFolder::kStartMenu:
      id = CSIDL_STARTMENU;
      break;
  }
  wchar_t path[MAX_PATH + 1] = {};
  if (FAILED(::SHGetFolderPathW(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  std::wstring text(path);
  while (!text.empty() && (text.back() == L'\\' || text.back() == L'/')) text.pop_back();
  return Utf8FromWide(text);
}

ShortcutLayout WindowsShortcuts::Layout() const {
  return ShortcutLayout{'\\', ".lnk", "Programs\\"};
}

void WindowsShortcuts::UpdateDescription(const std::string& path, const std::string& description) {
  const std::wstring wide_path = WideFromUtf8(path);
  const DWORD attributes = ::GetFileAttributesW(wide_path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    throw ShortcutError(ShortcutError::Kind::kNotFound, "Die Verknüpfung " + path + " fehlt.");
  }
  ComPointer<IShellLinkW> link;
  HRESULT result = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkW, reinterpret_cast<void**>(link.Receive()));
  if (FAILED(result)) Unusable("geöffnet", result, path);
  ComPointer<IPersistFile> file;
  result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Receive()));
  if (FAILED(result)) Unusable("geöffnet", result, path);
  result = file->Load(wide_path.c_str(), STGM_READ | STGM_SHARE_DENY_WRITE);
  if (FAILED(result)) Unusable("gelesen", result, path);
  // A link that the shell cannot resolve is left as it is.
  result = link->Resolve(nullptr, kResolveFlags);
  if (FAILED(result)) Unusable("aufgelöst", result, path);
  result = link->SetDescription(WideFromUtf8(description).c_str());
  if (FAILED(result)) Unusable("geändert", result, path);
  // Unlike a shell that ignores it, a failed save is told: the shortcut would
  // otherwise keep its old name while the run reports it renamed.
  result = file->Save(wide_path.c_str(), TRUE);
  if (FAILED(result)) Unusable("gespeichert", result, path);
}

}  // namespace quelor::platform
