// Recognising the route push a host runs in the page,
// window.__push("<route as a JSON string>");, and decoding its argument the
// way the page's script engine would.
#ifndef CEFSIM_RUNTIME_BROWSER_SCENARIO_ROUTE_PUSH_H_
#define CEFSIM_RUNTIME_BROWSER_SCENARIO_ROUTE_PUSH_H_

#include <string>
#include <string_view>

namespace cefsim {
namespace browser {

// True when |code| is one call of window.__push with a single string
// literal (whitespace allowed around the tokens, the final ';' optional);
// |*route| is then the decoded string in UTF-8.
bool ParseRoutePush(std::string_view code, std::string* route);

// Decodes the JSON string literal at the start of |text| (opening quote
// included) into UTF-8. |*length| is how many bytes of |text| it spans,
// closing quote included. False for a malformed literal: a missing quote, a
// raw control character, an unknown escape or a short \u escape. An
// unpaired surrogate becomes U+FFFD, as a UTF-8 rendering of the script
// engine's UTF-16 string would show it.
bool DecodeJsonStringLiteral(std::string_view text,
                             std::string* decoded,
                             size_t* length);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_SCENARIO_ROUTE_PUSH_H_
