// clang-format off
#include <windows.h>
#include <objidl.h>
#include <ocidl.h>
#include <olectl.h>
// clang-format on

#include "ui/win32/banner_pictures.h"

#include <cstring>
#include <string_view>

namespace quelor::resources {
extern const std::string_view kBannerStandard;
extern const std::string_view kBannerPremium;
extern const std::string_view kBanner300;
}  // namespace quelor::resources

namespace quelor::ui {

HBITMAP LoadBannerBitmap(Banner banner) {
  const std::string_view jpeg = banner == Banner::kPremium ? resources::kBannerPremium
                                : banner == Banner::k300   ? resources::kBanner300
                                                           : resources::kBannerStandard;
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, jpeg.size());
  if (memory == nullptr) return nullptr;
  std::memcpy(::GlobalLock(memory), jpeg.data(), jpeg.size());
  ::GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (FAILED(::CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    ::GlobalFree(memory);
    return nullptr;
  }
  IPicture* picture = nullptr;
  const HRESULT result = ::OleLoadPicture(stream, static_cast<LONG>(jpeg.size()), FALSE,
                                          IID_IPicture, reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(result) || picture == nullptr) return nullptr;
  OLE_HANDLE handle = 0;
  HBITMAP copy = nullptr;
  if (SUCCEEDED(picture->get_Handle(&handle))) {
    // The picture owns its bitmap; the window keeps a copy of its own.
    copy = static_cast<HBITMAP>(::CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  }
  picture->Release();
  return copy;
}

}  // namespace quelor::ui
