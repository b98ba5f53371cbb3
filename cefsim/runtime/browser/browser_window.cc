#include "browser/browser_window.h"

#include <string>

#include "browser/browser_host_impl.h"

namespace cefsim {
namespace browser {
namespace {

constexpr wchar_t kWindowClass[] = L"CefBrowserWindow";

BrowserHostImpl* BrowserOf(HWND window) {
  return reinterpret_cast<BrowserHostImpl*>(
      GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK BrowserWindowProc(HWND window,
                                   UINT message,
                                   WPARAM wparam,
                                   LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    return DefWindowProcW(window, message, wparam, lparam);
  }
  BrowserHostImpl* browser = BrowserOf(window);
  switch (message) {
    case WM_CLOSE:
      if (browser && !browser->OnWindowClose())
        return 0;  // The close is cancelled or still pending.
      break;
    case WM_NCDESTROY:
      if (browser) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        browser->OnWindowDestroyed();
      }
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT area;
      GetClientRect(window, &area);
      FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      if (browser)
        browser->Paint(dc, area);
      EndPaint(window, &paint);
      return 0;
    }
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void RegisterWindowClass() {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof(window_class);
  window_class.style = CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = &BrowserWindowProc;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = kWindowClass;
  RegisterClassExW(&window_class);  // Fails harmlessly when it exists.
}

// CEF sizes a window without parent so that its client area has the asked
// size; without a size the system chooses position and size.
CefRect FrameRectFor(const CefWindowInfo& info) {
  CefRect rect = info.bounds;
  if (info.parent_window)
    return rect;
  if (rect.width == CW_USEDEFAULT || rect.height == CW_USEDEFAULT)
    return CefRect(CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
  if (rect.x == CW_USEDEFAULT)
    rect.x = 0;
  if (rect.y == CW_USEDEFAULT)
    rect.y = 0;
  RECT frame = {rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
  const bool has_menu = !(info.style & WS_CHILD) && info.menu;
  AdjustWindowRectEx(&frame, info.style, has_menu, info.ex_style);
  return CefRect(frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top);
}

}  // namespace

HWND CreateBrowserWindow(BrowserHostImpl* browser, const CefWindowInfo& info) {
  RegisterWindowClass();
  const CefRect rect = FrameRectFor(info);
  const std::wstring name = CefString(&info.window_name).ToWString();
  return CreateWindowExW(info.ex_style, kWindowClass, name.c_str(), info.style,
                         rect.x, rect.y, rect.width, rect.height,
                         info.parent_window, info.menu,
                         GetModuleHandleW(nullptr), browser);
}

void DetachBrowserWindow(HWND window) {
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}

void UnregisterBrowserWindowClass() {
  UnregisterClassW(kWindowClass, GetModuleHandleW(nullptr));
}

}  // namespace browser
}  // namespace cefsim
