// The C exports behind the static functions of CefV8Value and CefV8Context,
// with CEF's checks: every one needs the isolate (the render thread), and
// objects can only be made inside a context.
#include "wrapper/v8_exports.h"

#include <string>

#include "diagnostics/records.h"
#include "renderer/v8_context_impl.h"
#include "renderer/v8_isolate.h"
#include "renderer/v8_value_impl.h"

namespace {

using cefsim::renderer::ContextState;
using cefsim::renderer::Datum;
using cefsim::renderer::ObjectData;
using cefsim::renderer::V8ValueImpl;
namespace isolate = cefsim::renderer::isolate;

template <class T>
T* Handout(T* object) {
  object->AddRef();
  return object;
}

CefV8Value* HandoutPrimitive(const char* method, const Datum& datum) {
  if (!isolate::Require(method))
    return nullptr;
  return Handout(new V8ValueImpl(datum, nullptr));
}

Datum Number(Datum::Type type, uint32_t bits, double double_value) {
  Datum datum;
  datum.type = type;
  datum.bits = bits;
  datum.double_value = double_value;
  return datum;
}

// A new object of |kind| in the current context, or null (and a violation)
// outside one.
CefV8Value* HandoutObject(const char* method,
                          ObjectData::Kind kind,
                          CefRefPtr<ObjectData>* created) {
  if (!isolate::Require(method))
    return nullptr;
  ContextState* context = isolate::CurrentContext();
  if (!context) {
    cefsim::ReportViolation(std::string(method) +
                            ": not currently in a V8 context");
    return nullptr;
  }
  *created = context->NewObject(kind, /*user_created=*/true);
  return Handout(new V8ValueImpl(Datum::Object(*created), context));
}

CefV8Context* HandoutContext(ContextState* state) {
  if (!state)
    return nullptr;
  return Handout(new cefsim::renderer::V8ContextImpl(state));
}

std::wstring Text(const cef_string_t* value) {
  if (!value || !value->str)
    return std::wstring();
  return std::wstring(value->str, value->length);
}

}  // namespace

CefV8Value* cefsim_v8value_create_undefined(void) {
  return HandoutPrimitive("CefV8Value::CreateUndefined", Datum::Undefined());
}

CefV8Value* cefsim_v8value_create_null(void) {
  Datum datum;
  datum.type = Datum::Type::kNull;
  return HandoutPrimitive("CefV8Value::CreateNull", datum);
}

CefV8Value* cefsim_v8value_create_bool(int value) {
  Datum datum;
  datum.type = Datum::Type::kBool;
  datum.bool_value = value != 0;
  return HandoutPrimitive("CefV8Value::CreateBool", datum);
}

CefV8Value* cefsim_v8value_create_int(int32_t value) {
  return HandoutPrimitive(
      "CefV8Value::CreateInt",
      Number(Datum::Type::kInt, static_cast<uint32_t>(value), 0));
}

CefV8Value* cefsim_v8value_create_uint(uint32_t value) {
  return HandoutPrimitive("CefV8Value::CreateUInt",
                          Number(Datum::Type::kUInt, value, 0));
}

CefV8Value* cefsim_v8value_create_double(double value) {
  return HandoutPrimitive("CefV8Value::CreateDouble",
                          Number(Datum::Type::kDouble, 0, value));
}

CefV8Value* cefsim_v8value_create_string(const cef_string_t* value) {
  Datum datum;
  datum.type = Datum::Type::kString;
  datum.string_value = Text(value);
  return HandoutPrimitive("CefV8Value::CreateString", datum);
}

CefV8Value* cefsim_v8value_create_object(CefV8Accessor* accessor,
                                         CefV8Interceptor* interceptor) {
  if (accessor || interceptor) {
    cefsim::ReportViolation(
        "CefV8Value::CreateObject: accessors and interceptors are not "
        "simulated");
  }
  CefRefPtr<ObjectData> created;
  return HandoutObject("CefV8Value::CreateObject", ObjectData::Kind::kPlain,
                       &created);
}

CefV8Value* cefsim_v8value_create_array(int length) {
  CefRefPtr<ObjectData> created;
  CefV8Value* value = HandoutObject("CefV8Value::CreateArray",
                                    ObjectData::Kind::kArray, &created);
  if (value && length > 0)
    created->set_array_length(static_cast<uint32_t>(length));
  return value;
}

CefV8Value* cefsim_v8value_create_function(const cef_string_t* name,
                                           CefV8Handler* handler) {
  if (!isolate::Require("CefV8Value::CreateFunction"))
    return nullptr;
  if (!handler) {
    cefsim::ReportViolation("CefV8Value::CreateFunction: invalid parameter");
    return nullptr;
  }
  CefRefPtr<ObjectData> created;
  CefV8Value* value = HandoutObject("CefV8Value::CreateFunction",
                                    ObjectData::Kind::kFunction, &created);
  if (value)
    created->SetFunction(Text(name), handler);
  return value;
}

CefV8Context* cefsim_v8context_get_current_context(void) {
  if (!isolate::Require("CefV8Context::GetCurrentContext"))
    return nullptr;
  return HandoutContext(isolate::CurrentContext());
}

CefV8Context* cefsim_v8context_get_entered_context(void) {
  if (!isolate::Require("CefV8Context::GetEnteredContext"))
    return nullptr;
  return HandoutContext(isolate::EnteredContext());
}

int cefsim_v8context_in_context(void) {
  if (!isolate::Require("CefV8Context::InContext"))
    return 0;
  return isolate::CurrentContext() ? 1 : 0;
}
