#include "browser/popup.h"

#include "browser/browser_host_impl.h"
#include "threads/threads.h"
#include "web/simulated_web.h"

namespace cefsim {
namespace browser {

void OpenPopupFromPage(BrowserHostImpl* opener,
                       int64_t frame_id,
                       const std::string& url,
                       const CefPopupFeatures& features) {
  if (!RequireUiThread("OpenPopupFromPage"))
    return;
  CefRefPtr<FrameImpl> frame = opener->FindFrame(frame_id);
  if (!frame)
    return;

  BrowserHostImpl::CreateParams params;
  params.window_info.SetAsPopup(nullptr, CefString());
  if (features.xSet)
    params.window_info.bounds.x = features.x;
  if (features.ySet)
    params.window_info.bounds.y = features.y;
  if (features.widthSet)
    params.window_info.bounds.width = features.width;
  if (features.heightSet)
    params.window_info.bounds.height = features.height;
  params.client = opener->client();
  params.settings = opener->settings();
  params.url = CanonicalUrl(url);
  params.is_popup = true;
  params.opener_id = opener->id();
  params.request_context = opener->GetRequestContext();

  // Chromium opens a popup for window.open with a size, a new tab without.
  const bool sized = features.widthSet || features.heightSet;
  const cef_window_open_disposition_t disposition =
      sized ? WOD_NEW_POPUP : WOD_NEW_FOREGROUND_TAB;
  bool no_javascript_access = false;
  bool allow = true;
  if (params.client) {
    if (CefRefPtr<CefLifeSpanHandler> handler =
            params.client->GetLifeSpanHandler()) {
      allow = !handler->OnBeforePopup(
          opener, frame.get(), params.url, CefString(), disposition, false,
          features, params.window_info, params.client, params.settings,
          params.extra_info, &no_javascript_access);
    }
  }
  if (allow)
    BrowserHostImpl::Create(params);
}

}  // namespace browser
}  // namespace cefsim
