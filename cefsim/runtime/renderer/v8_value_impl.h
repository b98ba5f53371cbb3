// CefV8Value of the simulation: a Datum, and for an object the context that
// was current when the value was handed out (CEF ties object handles to it).
// Primitives are valid on the render thread for ever; an object is valid
// while both that context and the object's own are.
#ifndef CEFSIM_RUNTIME_RENDERER_V8_VALUE_IMPL_H_
#define CEFSIM_RUNTIME_RENDERER_V8_VALUE_IMPL_H_

#include <string>
#include <vector>

#include "include/cef_v8.h"
#include "renderer/v8_context_state.h"
#include "renderer/v8_datum.h"
#include "renderer/v8_object.h"

namespace cefsim {
namespace renderer {

class V8ValueImpl : public CefV8Value {
 public:
  // |binding| is the current context for an object (may be null otherwise).
  V8ValueImpl(const Datum& datum, CefRefPtr<ContextState> binding);
  V8ValueImpl(const V8ValueImpl&) = delete;
  V8ValueImpl& operator=(const V8ValueImpl&) = delete;

  // A new value for |datum| bound to the current context. Render thread.
  static CefRefPtr<CefV8Value> Wrap(const Datum& datum);
  // |value| as ours, or null when it is none of ours (or null).
  static V8ValueImpl* FromInterface(CefV8Value* value);

  const Datum& datum() const { return datum_; }

  // CefV8Value:
  bool IsValid() override;
  bool IsUndefined() override;
  bool IsNull() override;
  bool IsBool() override;
  bool IsInt() override;
  bool IsUInt() override;
  bool IsDouble() override;
  bool IsDate() override;
  bool IsString() override;
  bool IsObject() override;
  bool IsArray() override;
  bool IsArrayBuffer() override;
  bool IsFunction() override;
  bool IsPromise() override;
  bool IsSame(CefRefPtr<CefV8Value> that) override;
  bool GetBoolValue() override;
  int32 GetIntValue() override;
  uint32 GetUIntValue() override;
  double GetDoubleValue() override;
  CefBaseTime GetDateValue() override;
  CefString GetStringValue() override;
  bool IsUserCreated() override;
  bool HasException() override;
  CefRefPtr<CefV8Exception> GetException() override;
  bool ClearException() override;
  bool WillRethrowExceptions() override;
  bool SetRethrowExceptions(bool rethrow) override;
  bool HasValue(const CefString& key) override;
  bool HasValue(int index) override;
  bool DeleteValue(const CefString& key) override;
  bool DeleteValue(int index) override;
  CefRefPtr<CefV8Value> GetValue(const CefString& key) override;
  CefRefPtr<CefV8Value> GetValue(int index) override;
  bool SetValue(const CefString& key,
                CefRefPtr<CefV8Value> value,
                PropertyAttribute attribute) override;
  bool SetValue(int index, CefRefPtr<CefV8Value> value) override;
  bool SetValue(const CefString& key,
                AccessControl settings,
                PropertyAttribute attribute) override;
  bool GetKeys(std::vector<CefString>& keys) override;
  bool SetUserData(CefRefPtr<CefBaseRefCounted> user_data) override;
  CefRefPtr<CefBaseRefCounted> GetUserData() override;
  int GetExternallyAllocatedMemory() override;
  int AdjustExternallyAllocatedMemory(int change_in_bytes) override;
  int GetArrayLength() override;
  CefRefPtr<CefV8ArrayBufferReleaseCallback> GetArrayBufferReleaseCallback()
      override;
  bool NeuterArrayBuffer() override;
  CefString GetFunctionName() override;
  CefRefPtr<CefV8Handler> GetFunctionHandler() override;
  CefRefPtr<CefV8Value> ExecuteFunction(
      CefRefPtr<CefV8Value> object,
      const CefV8ValueList& arguments) override;
  CefRefPtr<CefV8Value> ExecuteFunctionWithContext(
      CefRefPtr<CefV8Context> context,
      CefRefPtr<CefV8Value> object,
      const CefV8ValueList& arguments) override;
  bool ResolvePromise(CefRefPtr<CefV8Value> arg) override;
  bool RejectPromise(const CefString& errorMsg) override;

 private:
  ~V8ValueImpl() override;

  bool HasValidHandle() const;
  // The isolate and, for an object, its thread; each failure a violation.
  bool OnObjectThread(const char* method);
  // CEF's checks before touching an object: the isolate, the thread, a
  // valid handle and the object type; each failure is a violation.
  bool RequireObject(const char* method);
  // The same, plus a current context.
  bool RequireObjectInContext(const char* method);
  // A valid value of ours to store, or a violation.
  V8ValueImpl* RequireInput(const char* method, CefV8Value* value);
  bool RequireIndex(const char* method, int index);
  bool IsObjectOfKind(const char* method, ObjectData::Kind kind);
  // Records the outcome of a call, as CEF's TryCatch does.
  void SetException(const std::wstring* message);

  const Datum datum_;
  const CefRefPtr<ContextState> binding_;
  CefRefPtr<CefV8Exception> last_exception_;
  bool rethrow_exceptions_ = false;

  IMPLEMENT_REFCOUNTING(V8ValueImpl);
};

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_V8_VALUE_IMPL_H_
