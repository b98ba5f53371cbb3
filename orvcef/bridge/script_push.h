// Host to page: script run in the main frame of the main browser, and the
// route push that tells the page which host view it is shown in.
#ifndef ORVCEF_BRIDGE_SCRIPT_PUSH_H_
#define ORVCEF_BRIDGE_SCRIPT_PUSH_H_

#include <string>

#include "include/cef_browser.h"

namespace orvcef {

// The script URL every script of the library runs under.
extern const char kScriptUrl[];

// Hands |text| (may be null) to the main frame of |browser|, the front
// browser, for execution. Does nothing when there is no browser or it has no
// main frame. Any thread.
void RunMainFrameScript(CefRefPtr<CefBrowser> browser, const wchar_t* text);

// Runs "window.__push(<route as a JSON string>);" in the page of |browser|.
// |uri| may be null, which pushes the empty string. Any thread.
void PushRoute(CefRefPtr<CefBrowser> browser, const wchar_t* uri);

// The push script for a route already written as a JSON string literal.
std::wstring RoutePushScript(const std::wstring& route_json);

}  // namespace orvcef

#endif  // ORVCEF_BRIDGE_SCRIPT_PUSH_H_
