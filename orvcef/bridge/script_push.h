// Host to page: script run in the main frame of the main browser, and the
// route push that tells the page which host view it is shown in.
#ifndef ORVCEF_BRIDGE_SCRIPT_PUSH_H_
#define ORVCEF_BRIDGE_SCRIPT_PUSH_H_

#include <string>

namespace orvcef {

// The script URL every script of the library runs under.
extern const char kScriptUrl[];

// Hands |text| (may be null) to the main frame of the front browser for
// execution. Does nothing when no browser is open. Any thread.
void RunMainFrameScript(const wchar_t* text);

// Runs "window.__push(<route as a JSON string>);" in the page. |uri| may be
// null, which pushes the empty string. Any thread.
void PushRoute(const wchar_t* uri);

// The push script for a route already written as a JSON string literal.
std::wstring RoutePushScript(const std::wstring& route_json);

}  // namespace orvcef

#endif  // ORVCEF_BRIDGE_SCRIPT_PUSH_H_
