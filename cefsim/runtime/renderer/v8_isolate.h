// The simulated V8 isolate of a renderer process: which thread may run
// script, and that thread's stack of context scopes (what V8 calls the
// entered contexts and the current context).
#ifndef CEFSIM_RUNTIME_RENDERER_V8_ISOLATE_H_
#define CEFSIM_RUNTIME_RENDERER_V8_ISOLATE_H_

#include <string>

namespace cefsim {
namespace renderer {

class ContextState;

namespace isolate {

// True on the render thread, the only thread with an isolate.
bool IsCurrent();

// Reports "<method>: V8 isolate is not valid" off the render thread, as CEF
// does, and returns false then.
bool Require(const char* method);

// Context scopes of the render thread, innermost last. An entered scope is
// one made by CefV8Context::Enter or by running a function in a context; a
// call scope is the callee's own context while a native function runs.
// Render thread only. |state| is borrowed: the caller keeps it alive until
// the matching Pop.
void PushScope(ContextState* state, bool entered);
void PopScope();

// The innermost scope's context (V8's current context), or null.
ContextState* CurrentContext();
// The innermost entered scope's context, or null.
ContextState* EnteredContext();
// Whether the innermost scope is an entered scope of |state|.
bool IsInnermostEntered(const ContextState* state);

// An exception that a function run with SetRethrowExceptions(true) passed
// on to the native function that ran it. Render thread only.
void SetRethrown(const std::wstring& message);
bool TakeRethrown(std::wstring* message);

}  // namespace isolate
}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_V8_ISOLATE_H_
