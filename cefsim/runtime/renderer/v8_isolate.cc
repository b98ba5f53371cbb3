#include "renderer/v8_isolate.h"

#include <vector>

#include "diagnostics/records.h"
#include "renderer/render_thread.h"

namespace cefsim {
namespace renderer {
namespace isolate {
namespace {

struct Scope {
  ContextState* state;  // Kept alive by whoever pushed the scope.
  bool entered;
};

// Touched only on the render thread.
struct ThreadState {
  std::vector<Scope> scopes;
  bool has_rethrown = false;
  std::wstring rethrown;
};

ThreadState& State() {
  static ThreadState* state = new ThreadState();
  return *state;
}

}  // namespace

bool IsCurrent() {
  RenderThread* thread = RenderThread::Get();
  return thread && thread->IsCurrent();
}

bool Require(const char* method) {
  if (IsCurrent())
    return true;
  ReportViolation(std::string(method) + ": V8 isolate is not valid");
  return false;
}

void PushScope(ContextState* state, bool entered) {
  State().scopes.push_back(Scope{state, entered});
}

void PopScope() {
  std::vector<Scope>& scopes = State().scopes;
  if (!scopes.empty())
    scopes.pop_back();
}

ContextState* CurrentContext() {
  const std::vector<Scope>& scopes = State().scopes;
  return scopes.empty() ? nullptr : scopes.back().state;
}

ContextState* EnteredContext() {
  const std::vector<Scope>& scopes = State().scopes;
  for (auto it = scopes.rbegin(); it != scopes.rend(); ++it) {
    if (it->entered)
      return it->state;
  }
  return nullptr;
}

bool IsInnermostEntered(const ContextState* state) {
  const std::vector<Scope>& scopes = State().scopes;
  return !scopes.empty() && scopes.back().entered &&
         scopes.back().state == state;
}

void SetRethrown(const std::wstring& message) {
  State().has_rethrown = true;
  State().rethrown = message;
}

bool TakeRethrown(std::wstring* message) {
  ThreadState& state = State();
  if (!state.has_rethrown)
    return false;
  state.has_rethrown = false;
  *message = std::move(state.rethrown);
  return true;
}

}  // namespace isolate
}  // namespace renderer
}  // namespace cefsim
