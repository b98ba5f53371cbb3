// The live browsers of the process, by id. The registry holds one reference
// to each browser from its creation until it is destroyed.
#ifndef CEFSIM_RUNTIME_BROWSER_BROWSER_REGISTRY_H_
#define CEFSIM_RUNTIME_BROWSER_BROWSER_REGISTRY_H_

#include <vector>

#include "include/internal/cef_ptr.h"

namespace cefsim {
namespace browser {

class BrowserHostImpl;

// Small positive ids in creation order. Any thread.
int NextBrowserId();

// UI thread.
void RegisterBrowser(CefRefPtr<BrowserHostImpl> browser);
void UnregisterBrowser(int browser_id);

// Any thread.
CefRefPtr<BrowserHostImpl> FindBrowser(int browser_id);
std::vector<CefRefPtr<BrowserHostImpl>> AllBrowsers();

// CefShutdown's last step on the UI thread: every browser still open is
// destroyed (OnBeforeClose, no DoClose); the windows stay to the thread's end.
void DestroyAllBrowsersAtShutdown();

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_BROWSER_REGISTRY_H_
