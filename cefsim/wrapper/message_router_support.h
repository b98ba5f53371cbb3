// What both halves of the message router need from the runtime beyond the
// public API: recording misuse and quirks in the runtime's records, CEF's
// thread checks, and posting a closure as a CefTask.
#ifndef CEFSIM_WRAPPER_MESSAGE_ROUTER_SUPPORT_H_
#define CEFSIM_WRAPPER_MESSAGE_ROUTER_SUPPORT_H_

#include <functional>
#include <string>

#include "include/cef_task.h"

namespace cefsim {
namespace router {

// What a debug build of CEF stops on (a DCHECK in the router).
void Violation(const std::string& text);
// What CEF tolerates silently, under |tag|.
void Note(const char* tag, const std::string& detail);

// CEF_REQUIRE_UI_THREAD / CEF_REQUIRE_RENDERER_THREAD: false, and a
// violation naming |what|, off |thread|.
bool RequireThread(CefThreadId thread, const char* what);

// CefPostTask of |closure|; the closure keeps whatever it captured alive
// until it has run or was dropped.
bool PostClosure(CefThreadId thread, std::function<void()> closure);

}  // namespace router
}  // namespace cefsim

#endif  // CEFSIM_WRAPPER_MESSAGE_ROUTER_SUPPORT_H_
