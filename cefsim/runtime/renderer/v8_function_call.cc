#include "renderer/v8_function_call.h"

#include "renderer/v8_isolate.h"
#include "renderer/v8_value_impl.h"

namespace cefsim {
namespace renderer {
namespace {

// Pushes the scopes of one call and pops them when it ends; keeps their
// contexts alive meanwhile.
class CallScopes {
 public:
  CallScopes(ContextState* entered, ContextState* callee)
      : entered_(entered), callee_(callee) {
    isolate::PushScope(entered_.get(), /*entered=*/true);
    if (callee_)
      isolate::PushScope(callee_.get(), /*entered=*/false);
  }
  CallScopes(const CallScopes&) = delete;
  CallScopes& operator=(const CallScopes&) = delete;
  ~CallScopes() {
    if (callee_)
      isolate::PopScope();
    isolate::PopScope();
  }

 private:
  const CefRefPtr<ContextState> entered_;
  const CefRefPtr<ContextState> callee_;
};

}  // namespace

CallResult CallFunction(ObjectData* function,
                        ContextState* context,
                        const Datum& receiver,
                        const std::vector<Datum>& arguments) {
  const CefRefPtr<ObjectData> keep_function(function);
  CallScopes scopes(context, function->context());

  CallResult result;
  CefRefPtr<CefV8Handler> handler = function->handler();
  if (!handler)
    return result;

  CefV8ValueList params;
  for (const Datum& argument : arguments)
    params.push_back(V8ValueImpl::Wrap(AsStored(argument)));
  CefRefPtr<CefV8Value> object = V8ValueImpl::Wrap(receiver);
  CefRefPtr<CefV8Value> retval;
  CefString exception;
  std::wstring rethrown;
  // Whatever a finished call left behind belongs to no one now.
  isolate::TakeRethrown(&rethrown);
  const bool handled = handler->Execute(function->function_name(), object,
                                        params, retval, exception);
  const bool has_rethrown = isolate::TakeRethrown(&rethrown);

  if (handled && !exception.empty()) {
    result.threw = true;
    result.exception_message = L"Uncaught Error: " + exception.ToWString();
  } else if (has_rethrown) {
    result.threw = true;
    result.exception_message = rethrown;
  } else if (handled) {
    V8ValueImpl* value = V8ValueImpl::FromInterface(retval.get());
    if (value && value->IsValid())
      result.value = AsStored(value->datum());
  }
  return result;
}

}  // namespace renderer
}  // namespace cefsim
