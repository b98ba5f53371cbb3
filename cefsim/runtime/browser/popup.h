// Popups opened by a page: OnBeforePopup with the window set-up CEF 109
// proposes, then the popup browser.
#ifndef CEFSIM_RUNTIME_BROWSER_POPUP_H_
#define CEFSIM_RUNTIME_BROWSER_POPUP_H_

#include <stdint.h>

#include <string>

#include "include/internal/cef_types_wrappers.h"

namespace cefsim {
namespace browser {

class BrowserHostImpl;

// Script in |frame_id| of |opener| called window.open(|url|, "",
// |features|). UI thread.
void OpenPopupFromPage(BrowserHostImpl* opener,
                       int64_t frame_id,
                       const std::string& url,
                       const CefPopupFeatures& features);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_POPUP_H_
