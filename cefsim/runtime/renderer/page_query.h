// The simulated page calling window.cefQuery and window.cefQueryCancel in a
// frame's current script context, as a web page does. What the page's
// onSuccess and onFailure callbacks receive goes back to the browser
// process as page-query outcomes. Render thread only.
#ifndef CEFSIM_RUNTIME_RENDERER_PAGE_QUERY_H_
#define CEFSIM_RUNTIME_RENDERER_PAGE_QUERY_H_

#include <string>

#include "process/renderer_host.h"
#include "renderer/frame_impl.h"

namespace cefsim {
namespace renderer {

// The failure texts a page sees when it cannot make the call at all.
constexpr char kNoScriptContextMessage[] = "no script context";
constexpr char kQueryNotDefinedMessage[] = "cefQuery is not defined";

// window.cefQuery({request, persistent, onSuccess, onFailure}) in |frame|
// (null when the renderer has no such frame). A failure outcome with
// error code 0 reports a page that could not make the call.
void RunPageQuery(int browser_id,
                  FrameImpl* frame,
                  int page_query_id,
                  const std::string& request,
                  bool persistent);

// window.cefQueryCancel(id) with the id cefQuery returned for
// |page_query_id| in |frame|'s current context; nothing when there is none.
void RunPageQueryCancel(FrameImpl* frame, int page_query_id);

// Sends |outcome| of |browser_id|'s page to the browser process.
void SendPageQueryOutcome(int browser_id,
                          const process::PageQueryOutcome& outcome);

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_PAGE_QUERY_H_
