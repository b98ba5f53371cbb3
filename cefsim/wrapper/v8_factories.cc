// The static functions of CefV8Value and CefV8Context; the values and
// contexts themselves live in libcef.dll.
#include "v8_exports.h"

#include "adopt.h"

// static
CefRefPtr<CefV8Value> CefV8Value::CreateUndefined() {
  return cefsim::Adopt(cefsim_v8value_create_undefined());
}

// static
CefRefPtr<CefV8Value> CefV8Value::CreateNull() {
  return cefsim::Adopt(cefsim_v8value_create_null());
}

// static
CefRefPtr<CefV8Value> CefV8Value::CreateBool(bool value) {
  return cefsim::Adopt(cefsim_v8value_create_bool(value ? 1 : 0));
}

// static
CefRefPtr<CefV8Value> CefV8Value::CreateInt(int32 value) {
  return cefsim::Adopt(cefsim_v8value_create_int(value));
}

// static
CefRefPtr<CefV8Value> CefV8Value::CreateUInt(uint32 value) {
  return cefsim::Adopt(cefsim_v8value_create_uint(value));
}

// static
CefRefPtr<CefV8Value> CefV8Value::CreateDouble(double value) {
  return cefsim::Adopt(cefsim_v8value_create_double(value));
}

// static
CefRefPtr<CefV8Value> CefV8Value::CreateString(const CefString& value) {
  return cefsim::Adopt(cefsim_v8value_create_string(value.GetStruct()));
}

// static
CefRefPtr<CefV8Value> CefV8Value::CreateObject(
    CefRefPtr<CefV8Accessor> accessor,
    CefRefPtr<CefV8Interceptor> interceptor) {
  return cefsim::Adopt(
      cefsim_v8value_create_object(accessor.get(), interceptor.get()));
}

// static
CefRefPtr<CefV8Value> CefV8Value::CreateArray(int length) {
  return cefsim::Adopt(cefsim_v8value_create_array(length));
}

// static
CefRefPtr<CefV8Value> CefV8Value::CreateFunction(
    const CefString& name,
    CefRefPtr<CefV8Handler> handler) {
  return cefsim::Adopt(
      cefsim_v8value_create_function(name.GetStruct(), handler.get()));
}

// static
CefRefPtr<CefV8Context> CefV8Context::GetCurrentContext() {
  return cefsim::Adopt(cefsim_v8context_get_current_context());
}

// static
CefRefPtr<CefV8Context> CefV8Context::GetEnteredContext() {
  return cefsim::Adopt(cefsim_v8context_get_entered_context());
}

// static
bool CefV8Context::InContext() {
  return cefsim_v8context_in_context() != 0;
}
