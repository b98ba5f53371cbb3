// CefV8Exception: what a caught exception reports. The simulation knows only
// the message; script name, source line and positions stay empty and 0, as
// CEF reports them for an exception thrown by a native function.
#ifndef CEFSIM_RUNTIME_RENDERER_V8_EXCEPTION_IMPL_H_
#define CEFSIM_RUNTIME_RENDERER_V8_EXCEPTION_IMPL_H_

#include <string>

#include "include/cef_v8.h"

namespace cefsim {
namespace renderer {

class V8ExceptionImpl : public CefV8Exception {
 public:
  explicit V8ExceptionImpl(const std::wstring& message) : message_(message) {}
  V8ExceptionImpl(const V8ExceptionImpl&) = delete;
  V8ExceptionImpl& operator=(const V8ExceptionImpl&) = delete;

  CefString GetMessage() override { return message_; }
  CefString GetSourceLine() override { return CefString(); }
  CefString GetScriptResourceName() override { return CefString(); }
  int GetLineNumber() override { return 0; }
  int GetStartPosition() override { return 0; }
  int GetEndPosition() override { return 0; }
  int GetStartColumn() override { return 0; }
  int GetEndColumn() override { return 0; }

 private:
  const std::wstring message_;

  IMPLEMENT_REFCOUNTING(V8ExceptionImpl);
};

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_V8_EXCEPTION_IMPL_H_
