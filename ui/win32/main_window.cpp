#include "ui/win32/main_window.h"

#include <algorithm>

#include "platform/windows_text.h"
#include "ui/win32/banner_pictures.h"

namespace quelor::ui {
namespace {

constexpr char kRunStoppedText[] =
    "Das Update wurde abgebrochen. Das Fenster kann geschlossen werden.";

constexpr wchar_t kWindowClass[] = L"QuelorUpdateWindow";
constexpr wchar_t kGaugeClass[] = L"QuelorUpdateGauge";
// Posted at the first activation: the run starts from the message loop, not
// inside the activation's own handling.
constexpr UINT kStartRun = WM_APP + 1;

constexpr COLORREF kBarColour = RGB(0x00, 0x00, 0x80);
constexpr COLORREF kBackgroundColour = RGB(0xFF, 0x00, 0x00);
constexpr COLORREF kTextColour = RGB(0x08, 0x37, 0x72);

void RegisterClasses(HINSTANCE instance) {
  static bool registered = false;
  if (registered) return;
  registered = true;
  WNDCLASSEXW window{};
  window.cbSize = sizeof window;
  window.lpfnWndProc = DefWindowProcW;
  window.hInstance = instance;
  window.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  window.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
  window.lpszClassName = kWindowClass;
  ::RegisterClassExW(&window);
  WNDCLASSEXW gauge = window;
  gauge.hbrBackground = nullptr;
  gauge.hIcon = nullptr;
  gauge.lpszClassName = kGaugeClass;
  ::RegisterClassExW(&gauge);
}

}  // namespace

UINT MessageBoxFlags(app::DialogKind kind) {
  switch (kind) {
    case app::DialogKind::kWarning:
      return MB_OK | MB_ICONWARNING;
    case app::DialogKind::kError:
      return MB_OK | MB_ICONERROR;
    case app::DialogKind::kInformation:
      return MB_OK | MB_ICONINFORMATION;
    case app::DialogKind::kPlain:
      return MB_OK;
    case app::DialogKind::kStop:
      return MB_OK | MB_ICONSTOP;
  }
  return MB_OK;
}

Win32MainWindow::Win32MainWindow() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  RegisterClasses(instance);
  present_dialog_ = [](HWND owner, app::DialogKind kind, const std::wstring& caption,
                       const std::wstring& text) {
    ::MessageBoxW(owner, text.c_str(), caption.c_str(), MessageBoxFlags(kind));
  };
  banners_[0] = LoadBannerBitmap(Banner::kStandard);
  banners_[1] = LoadBannerBitmap(Banner::kPremium);
  banners_[2] = LoadBannerBitmap(Banner::k300);
  // Tahoma 8 point, at the screen's resolution.
  const HDC screen = ::GetDC(nullptr);
  const int height = -::MulDiv(8, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
  ::ReleaseDC(nullptr, screen);
  font_ = ::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_SWISS, L"Tahoma");

  RECT frame{0, 0, kClientWidth, kClientHeight};
  ::AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
  const std::wstring title = platform::WideFromUtf8(app::kApplicationTitle);
  window_ = ::CreateWindowExW(0, kWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                              nullptr, nullptr, instance, nullptr);
  ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProcedure));
  gauge_window_ = ::CreateWindowExW(0, kGaugeClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window_,
                                    nullptr, instance, nullptr);
  ::SetWindowLongPtrW(gauge_window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::SetWindowLongPtrW(gauge_window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GaugeProcedure));
  // The run starts by itself and there is nothing to cancel: the lower
  // panel's buttons exist but are never shown.
  for (const auto& [text, x] : {std::pair{L"OK", 560}, std::pair{L"Abbrechen", 652}}) {
    const HWND button = ::CreateWindowExW(0, L"BUTTON", text, WS_CHILD | BS_PUSHBUTTON, x,
                                          kClientHeight - kLowerPanelHeight + 10, 83, 25, window_,
                                          nullptr, instance, nullptr);
    ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  }
  const std::wstring stopped = platform::WideFromUtf8(kRunStoppedText);
  stopped_label_ =
      ::CreateWindowExW(0, L"STATIC", stopped.c_str(), WS_CHILD | SS_LEFT | SS_CENTERIMAGE, 12, 0,
                        kClientWidth - 24, kLowerPanelHeight, window_, nullptr, instance, nullptr);
  ::SendMessageW(stopped_label_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  Layout();
}

void Win32MainWindow::ShowRunStopped(const std::string& report) {
  ::ShowWindow(stopped_label_, SW_SHOW);
  // The edit control wants CR LF between lines.
  std::string text;
  for (char c : report) {
    if (c == '\n') text += '\r';
    text += c;
  }
  const std::wstring wide = platform::WideFromUtf8(text);
  // A top-level read-only edit control owned by the window: it closes with
  // the window, and its own close box closes it alone.
  report_view_ = ::CreateWindowExW(0, L"EDIT", wide.c_str(),
                                   WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                       ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                                   CW_USEDEFAULT, CW_USEDEFAULT, 720, 300, window_, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
  ::SetWindowTextW(report_view_, wide.c_str());
  ::SendMessageW(report_view_, WM_SETFONT,
                 reinterpret_cast<WPARAM>(::GetStockObject(ANSI_FIXED_FONT)), FALSE);
  ::ShowWindow(report_view_, SW_SHOWNOACTIVATE);
}

Win32MainWindow::~Win32MainWindow() {
  SetBusyCursor(false);
  if (window_ != nullptr && ::IsWindow(window_)) {
    closing_by_program_ = true;
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    ::SetWindowLongPtrW(gauge_window_, GWLP_USERDATA, 0);
    ::DestroyWindow(window_);
  }
  for (HBITMAP banner : banners_) {
    if (banner != nullptr) ::DeleteObject(banner);
  }
  if (font_ != nullptr) ::DeleteObject(font_);
}

void Win32MainWindow::ApplyBanner(char edition_code) {
  if (edition_code != 'J' && edition_code != 'N' && edition_code != '3') return;
  banner_ = edition_code;
  RECT area{0, 0, kBannerWidth, kBannerHeight};
  ::InvalidateRect(window_, &area, TRUE);
}

void Win32MainWindow::Show() {
  RECT frame;
  ::GetWindowRect(window_, &frame);
  RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  ::SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ::ShowWindow(window_, SW_SHOW);
  ::UpdateWindow(window_);
  // Where nothing activates the window, the run starts all the same.
  ::PostMessageW(window_, kStartRun, 0, 0);
}

void Win32MainWindow::Close() {
  closing_by_program_ = true;
  ::DestroyWindow(window_);
}

void Win32MainWindow::SetCaption(const std::string& caption) {
  ::SetWindowTextW(window_, platform::WideFromUtf8(caption).c_str());
}

void Win32MainWindow::SetGauge(int percent) {
  percent = std::clamp(percent, 0, 100);
  if (percent == gauge_value_) return;
  gauge_value_ = percent;
  // Repainted at once, without waiting for the message loop.
  ::InvalidateRect(gauge_window_, nullptr, FALSE);
  ::UpdateWindow(gauge_window_);
}

void Win32MainWindow::ShowDialog(app::DialogKind kind, const std::string& caption,
                                 const std::string& text) {
  present_dialog_(window_, kind, platform::WideFromUtf8(caption), platform::WideFromUtf8(text));
}

void Win32MainWindow::SetBusyCursor(bool busy) {
  // Set, not counted: one request for the normal cursor brings it back.
  if (busy == busy_cursor_) return;
  busy_cursor_ = busy;
  ::SetCursor(::LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void Win32MainWindow::ProcessMessages() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // For the loop that waits for it.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

void Win32MainWindow::Layout() {
  RECT client;
  ::GetClientRect(window_, &client);
  const int upper_bottom = client.bottom - kLowerPanelHeight;
  ::MoveWindow(gauge_window_, 0, upper_bottom - kGaugeHeight, client.right, kGaugeHeight, TRUE);
  if (stopped_label_ != nullptr) {
    ::MoveWindow(stopped_label_, 12, upper_bottom, client.right - 24, kLowerPanelHeight, TRUE);
  }
}

void Win32MainWindow::FireFirstActivation() {
  if (activated_once_) return;
  activated_once_ = true;
  if (!first_activation_) return;
  in_first_activation_ = true;
  first_activation_();
  in_first_activation_ = false;
}

void Win32MainWindow::PaintBanner() {
  PAINTSTRUCT paint;
  const HDC dc = ::BeginPaint(window_, &paint);
  const int index = banner_ == 'J' ? 1 : banner_ == '3' ? 2 : 0;
  if (banners_[index] != nullptr) {
    const HDC memory = ::CreateCompatibleDC(dc);
    const HGDIOBJ previous = ::SelectObject(memory, banners_[index]);
    // Unscaled from the top-left corner, clipped to the banner's element.
    ::BitBlt(dc, 0, 0, kBannerWidth, kBannerHeight, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
  }
  ::EndPaint(window_, &paint);
}

void Win32MainWindow::PaintGauge(HWND gauge) {
  PAINTSTRUCT paint;
  const HDC dc = ::BeginPaint(gauge, &paint);
  RECT area;
  ::GetClientRect(gauge, &area);
  const HBRUSH background = ::CreateSolidBrush(kBackgroundColour);
  const HBRUSH bar = ::CreateSolidBrush(kBarColour);
  ::FillRect(dc, &area, background);
  RECT filled = area;
  filled.right = area.left + (area.right - area.left) * gauge_value_ / 100;
  ::FillRect(dc, &filled, bar);
  ::DeleteObject(background);
  ::DeleteObject(bar);
  const std::wstring text = std::to_wstring(gauge_value_) + L"%";
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, kTextColour);
  const HGDIOBJ previous = ::SelectObject(dc, font_);
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  ::SelectObject(dc, previous);
  ::EndPaint(gauge, &paint);
}

LRESULT CALLBACK Win32MainWindow::WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<Win32MainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcW(window, message, w, l);
  return self->Handle(message, w, l);
}

LRESULT CALLBACK Win32MainWindow::GaugeProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<Win32MainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr && message == WM_PAINT) {
    self->PaintGauge(window);
    return 0;
  }
  if (self != nullptr && message == WM_SETCURSOR && self->busy_cursor_) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    return TRUE;
  }
  return ::DefWindowProcW(window, message, w, l);
}

LRESULT Win32MainWindow::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(w) != WA_INACTIVE && !activated_once_) ::PostMessageW(window_, kStartRun, 0, 0);
      break;
    case kStartRun:
      FireFirstActivation();
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_PAINT:
      PaintBanner();
      return 0;
    case WM_SETCURSOR:
      if (busy_cursor_) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_CLOSE:
      // While the run works the window does not react to the user: closing
      // it then would leave the run writing to a window that is gone.
      if (in_first_activation_ && !closing_by_program_) return 0;
      ::DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return ::DefWindowProcW(window_, message, w, l);
}

}  // namespace quelor::ui
