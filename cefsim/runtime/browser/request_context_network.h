// What the network of a browser's request context does with a navigation
// request before the simulated web's answer reaches the frame: it picks the
// proxy (and records it), lets a proxy or server challenge for credentials,
// and turns a download response into a download.
#ifndef CEFSIM_RUNTIME_BROWSER_REQUEST_CONTEXT_NETWORK_H_
#define CEFSIM_RUNTIME_BROWSER_REQUEST_CONTEXT_NETWORK_H_

#include <stdint.h>

#include <functional>
#include <string>

#include "web/simulated_web.h"

namespace cefsim {
namespace browser {

class BrowserHostImpl;

// The navigator's hook, UI thread. |page| is what the web serves for |url|,
// the request |serial| of |frame_id| in |browser|. Returns true when the
// navigation goes on now with |*page|, which may have been replaced (the
// 401 or 407 response of a cancelled challenge; ERR_ABORTED for a
// response that became a download). Returns false while a challenge is
// open: |resume| then runs later on the UI thread and the navigator asks
// again with the same request.
bool PassThroughNetwork(BrowserHostImpl* browser,
                        int64_t frame_id,
                        uint64_t serial,
                        const std::string& url,
                        ServedPage* page,
                        std::function<void()> resume);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_REQUEST_CONTEXT_NETWORK_H_
