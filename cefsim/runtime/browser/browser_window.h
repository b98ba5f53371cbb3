// The native window of a browser, of class "CefBrowserWindow" as CEF names
// it on Windows. It shows the page's URL, title and last script.
#ifndef CEFSIM_RUNTIME_BROWSER_BROWSER_WINDOW_H_
#define CEFSIM_RUNTIME_BROWSER_BROWSER_WINDOW_H_

#include <windows.h>

#include "include/cef_base.h"

namespace cefsim {
namespace browser {

class BrowserHostImpl;

// Creates the window as |info| says; the window keeps |browser| (not owned:
// the registry holds it while the window lives) until it is destroyed or
// detached. Null when CreateWindowEx fails. UI thread.
HWND CreateBrowserWindow(BrowserHostImpl* browser, const CefWindowInfo& info);

// Cuts |window| from its browser: its messages no longer reach the browser.
// UI thread.
void DetachBrowserWindow(HWND window);

// At shutdown, once the UI thread has ended: the system destroyed the
// browser windows it still owned. Any thread.
void UnregisterBrowserWindowClass();

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_BROWSER_WINDOW_H_
