// Script contexts of the renderer process: what CEF calls a V8 context, one
// per frame and document. The renderer's frames create and release them; the
// V8 simulation behind CefV8Context and CefV8Value implements them.
#ifndef CEFSIM_RUNTIME_RENDERER_SCRIPT_CONTEXT_H_
#define CEFSIM_RUNTIME_RENDERER_SCRIPT_CONTEXT_H_

#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "include/cef_v8.h"

namespace cefsim {
namespace renderer {

// A new context for |frame| of |browser| whose global object (the page's
// window) is an empty object. The context keeps both references until it is
// released. Render thread.
CefRefPtr<CefV8Context> CreateScriptContext(CefRefPtr<CefBrowser> browser,
                                            CefRefPtr<CefFrame> frame);

// Ends |context|: from now on it and every value created in it report
// IsValid() false, and it drops its browser and frame. Render thread.
void ReleaseScriptContext(CefRefPtr<CefV8Context> context);

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_SCRIPT_CONTEXT_H_
