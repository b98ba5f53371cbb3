#include "orvcef/core/container_window.h"

#include <string>

#include "orvcef/base/library_state.h"
#include "orvcef/base/no_throw.h"
#include "orvcef/base/thread_checks.h"
#include "orvcef/bridge/query_bridge.h"
#include "orvcef/bridge/script_push.h"
#include "orvcef/core/browser_app.h"
#include "orvcef/handler/client_handler.h"

namespace orvcef {

const wchar_t kContainerClassName[] = L"CefCont";

namespace {

// A host view names its route with this window property: a pointer to
// zero-terminated UTF-16 text that the host keeps alive while it is set.
constexpr char kRouteProperty[] = "uri";

// The route text of |view|; null when the host set none.
const wchar_t* RouteOf(HWND view) {
  return static_cast<const wchar_t*>(GetPropA(view, kRouteProperty));
}

// The library's hidden container window, or null once the application
// object is gone (after OrvCefTerm).
HWND ContainerWindow() {
  CefRefPtr<OrvCefApp> app = CurrentApp();
  return app ? app->container_window() : nullptr;
}

bool IsCurrentRoute(const wchar_t* route) {
  return route && State().current_route() == route;
}

// Fits |browser| to the client area of |view|, at its origin.
void FillView(HWND browser, HWND view) {
  RECT client = {};
  GetClientRect(view, &client);
  SetWindowPos(browser, nullptr, 0, 0, client.right - client.left,
               client.bottom - client.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Gives the browser back to the container window, but only from the view
// that holds it: hiding some other view must not take it from the one shown.
void ReturnBrowserFrom(HWND view, HWND browser) {
  const HWND container = ContainerWindow();
  if (!container || GetParent(browser) != view)
    return;
  SetParent(browser, container);
}

void OnViewShown(HWND view, HWND browser) {
  // The route is current before the page hears of it, so a page that asks
  // for "route" in answer to the push already gets the new one.
  const wchar_t* route = RouteOf(view);
  State().set_current_route(route ? route : L"");
  CefRefPtr<OrvCefHandler> handler = CurrentClientHandler();
  if (handler)
    PushRoute(handler->FrontBrowser(), route);
  SetParent(browser, view);
  // Until the view's next WM_SIZE the browser would keep the size it had
  // in the previous view.
  FillView(browser, view);
}

void OnViewDestroyed(HWND view) {
  const wchar_t* route = RouteOf(view);
  if (!route)
    return;
  if (IsCurrentRoute(route))
    State().set_current_route(std::wstring());
  RemovePropA(view, kRouteProperty);
}

// A host view at work: moves the browser in and out as the view is shown
// and hidden, and passes on mouse notifications.
void HandleViewMessage(HWND window,
                       HWND browser,
                       UINT message,
                       WPARAM wparam,
                       LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      // A view that does not hold the browser must not size it.
      if (GetParent(browser) == window) {
        SetWindowPos(browser, nullptr, 0, 0, LOWORD(lparam), HIWORD(lparam),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      break;
    case WM_SHOWWINDOW:
      if (wparam)
        OnViewShown(window, browser);
      else
        ReturnBrowserFrom(window, browser);
      break;
    case WM_WINDOWPOSCHANGED: {
      const auto* position = reinterpret_cast<const WINDOWPOS*>(lparam);
      if (position && (position->flags & SWP_HIDEWINDOW) &&
          IsCurrentRoute(RouteOf(window))) {
        ReturnBrowserFrom(window, browser);
      }
      break;
    }
    case WM_NCDESTROY:
      OnViewDestroyed(window);
      break;
    case WM_PARENTNOTIFY:
      // Mouse-button-down notifications only, not child creation or
      // destruction; the host tells this form by its zero lParam.
      if (static_cast<WORD>(LOWORD(wparam)) >= WM_LBUTTONDOWN)
        SendMessageW(State().message_window(), kHostQueryMessage, 0, 0);
      break;
  }
}

// The window procedure of "CefCont". The container window has no user data
// and so passes everything on; a host view holds the browser window in its
// user data. Views do nothing of their own while the library is not running
// or is terminating: the browser is then on its way to, or already past,
// its close, and CEF may be gone.
LRESULT CALLBACK ContainerWindowProc(HWND window,
                                     UINT message,
                                     WPARAM wparam,
                                     LPARAM lparam) {
  const HWND browser =
      reinterpret_cast<HWND>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (browser && CurrentApp() && !State().terminating()) {
    CallWithoutThrowing(
        [&] { HandleViewMessage(window, browser, message, wparam, lparam); });
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

void RegisterContainerClass(HINSTANCE instance) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof(window_class);
  window_class.style = CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = ContainerWindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = kContainerClassName;
  // The small icon is the arrow cursor as well, loaded a second time.
  window_class.hIconSm = LoadCursorW(nullptr, IDC_ARROW);
  RegisterClassExW(&window_class);
}

void UnregisterContainerClass(HINSTANCE instance) {
  UnregisterClassW(kContainerClassName, instance);
}

HWND CreateContainerWindow(HINSTANCE instance) {
  ORVCEF_REQUIRE_UI_THREAD();
  // WS_POPUP alone: never visible, and a top-level window of its own, so a
  // browser inside it that CEF closes sends WM_CLOSE here, not to the host.
  return CreateWindowExW(0, kContainerClassName, nullptr, WS_POPUP, 0, 0, 1, 1,
                         nullptr, nullptr, instance, nullptr);
}

}  // namespace orvcef
