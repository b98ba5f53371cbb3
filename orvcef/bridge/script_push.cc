#include "orvcef/bridge/script_push.h"

#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "include/cef_parser.h"
#include "include/cef_values.h"

namespace orvcef {

const char kScriptUrl[] = "native_js";

void RunMainFrameScript(CefRefPtr<CefBrowser> browser, const wchar_t* text) {
  // The caller's own reference: the browser stays a valid object even if it
  // closes while the script is handed over; CEF then simply has no frame.
  if (!browser)
    return;
  CefRefPtr<CefFrame> frame = browser->GetMainFrame();
  if (!frame)
    return;
  // CEF runs nothing for empty code, and its debug build stops on it.
  if (!text || !*text)
    return;
  // ExecuteJavaScript may be called on any thread; CEF moves it to its own.
  frame->ExecuteJavaScript(text, kScriptUrl, 0);
}

std::wstring RoutePushScript(const std::wstring& route_json) {
  return L"window.__push(" + route_json + L");";
}

void PushRoute(CefRefPtr<CefBrowser> browser, const wchar_t* uri) {
  if (!browser)
    return;
  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetString(uri ? uri : L"");
  const std::wstring json =
      CefWriteJSON(value, JSON_WRITER_DEFAULT).ToWString();
  RunMainFrameScript(browser, RoutePushScript(json).c_str());
}

}  // namespace orvcef
