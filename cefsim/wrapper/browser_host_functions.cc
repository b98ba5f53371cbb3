// CefBrowserHost::CreateBrowser.
#include "browser_exports.h"

bool CefBrowserHost::CreateBrowser(
    const CefWindowInfo& windowInfo,
    CefRefPtr<CefClient> client,
    const CefString& url,
    const CefBrowserSettings& settings,
    CefRefPtr<CefDictionaryValue> extra_info,
    CefRefPtr<CefRequestContext> request_context) {
  return cef_browser_host_create_browser(
             &windowInfo, client.get(), url.GetStruct(), &settings,
             extra_info.get(), request_context.get()) != 0;
}
