// CefMessageRouterConfig's defaults, as in CEF 109.
#include "include/wrapper/cef_message_router.h"
#include "message_router_protocol.h"

CefMessageRouterConfig::CefMessageRouterConfig()
    : js_query_function("cefQuery"),
      js_cancel_function("cefQueryCancel"),
      message_size_threshold(cefsim::router::kDefaultMessageSizeThreshold) {}
