// The window class "CefCont": the library's hidden container window and the
// host views that show the browser.
#ifndef ORVCEF_CORE_CONTAINER_WINDOW_H_
#define ORVCEF_CORE_CONTAINER_WINDOW_H_

#include <windows.h>

namespace orvcef {

extern const wchar_t kContainerClassName[];

// Registers the class for |instance|; a failure (the class exists already,
// say) is ignored.
void RegisterContainerClass(HINSTANCE instance);
void UnregisterContainerClass(HINSTANCE instance);

// The hidden 1-by-1 popup window the main browser is born in. Must run on
// CEF's UI thread, which then owns the window.
HWND CreateContainerWindow(HINSTANCE instance);

}  // namespace orvcef

#endif  // ORVCEF_CORE_CONTAINER_WINDOW_H_
