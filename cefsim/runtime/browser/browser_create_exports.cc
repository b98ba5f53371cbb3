// The C export behind CefBrowserHost::CreateBrowser.
#include "browser/browser_host_impl.h"
#include "browser/context.h"
#include "diagnostics/records.h"
#include "threads/threads.h"
#include "wrapper/browser_exports.h"

int cef_browser_host_create_browser(const cef_window_info_t* window_info,
                                    CefClient* client,
                                    const cef_string_t* url,
                                    const cef_browser_settings_t* settings,
                                    CefDictionaryValue* extra_info,
                                    CefRequestContext* request_context) {
  using cefsim::browser::BrowserHostImpl;
  if (!cefsim::browser::ContextValid()) {
    cefsim::ReportViolation("CefBrowserHost::CreateBrowser: context not valid");
    return 0;
  }
  if (window_info->windowless_rendering_enabled) {
    cefsim::ReportViolation(
        "CefBrowserHost::CreateBrowser: windowless rendering is not "
        "simulated");
    return 0;
  }
  BrowserHostImpl::CreateParams params;
  params.window_info = CefWindowInfo(*window_info);
  params.client = client;
  params.url = url ? CefString(url).ToString() : std::string();
  params.settings = CefBrowserSettings(*settings);
  params.extra_info = extra_info;
  params.request_context = request_context;
  if (!cefsim::browser::PostTask(
          TID_UI, [params] { BrowserHostImpl::Create(params); })) {
    return 0;
  }
  return 1;
}
