// The browser-process end of the page's cefQuery: the query handler that
// the client handler registers with its message router.
#ifndef ORVCEF_BRIDGE_QUERY_BRIDGE_H_
#define ORVCEF_BRIDGE_QUERY_BRIDGE_H_

#include <memory>

#include "include/wrapper/cef_message_router.h"

namespace orvcef {

// Size of the buffer the host writes its reply into, terminator included.
constexpr size_t kReplyBufferSize = 1024 * 1024;

// The message sent to the host's message window (WM_APP + 8899).
constexpr unsigned int kHostQueryMessage = 0x8000 + 8899;

// A new query handler. The caller owns it; the router only points to it.
std::shared_ptr<CefMessageRouterBrowserSide::Handler> CreateQueryHandler();

}  // namespace orvcef

#endif  // ORVCEF_BRIDGE_QUERY_BRIDGE_H_
