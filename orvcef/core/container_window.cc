#include "orvcef/core/container_window.h"

#include "orvcef/core/thread_checks.h"

namespace orvcef {

const wchar_t kContainerClassName[] = L"CefCont";

namespace {

// The container window has no user data and reacts to nothing of its own;
// host views get their behaviour with the host-view protocol.
LRESULT CALLBACK ContainerWindowProc(HWND window,
                                     UINT message,
                                     WPARAM wparam,
                                     LPARAM lparam) {
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
