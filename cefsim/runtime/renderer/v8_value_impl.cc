#include "renderer/v8_value_impl.h"

#include "diagnostics/records.h"
#include "renderer/v8_context_impl.h"
#include "renderer/v8_exception_impl.h"
#include "renderer/v8_function_call.h"
#include "renderer/v8_isolate.h"
#include "renderer/v8_live_set.h"

namespace cefsim {
namespace renderer {
namespace {

using Type = Datum::Type;

LiveSet<CefV8Value>& Live() {
  return LiveSet<CefV8Value>::Get();
}

void Report(const char* method, const char* problem) {
  ReportViolation(std::string("CefV8Value::") + method + ": " + problem);
}

bool RequireIsolate(const char* method) {
  return isolate::Require((std::string("CefV8Value::") + method).c_str());
}

}  // namespace

V8ValueImpl::V8ValueImpl(const Datum& datum, CefRefPtr<ContextState> binding)
    : datum_(datum), binding_(binding) {
  Live().Add(this);
}

V8ValueImpl::~V8ValueImpl() {
  Live().Remove(this);
}

// static
CefRefPtr<CefV8Value> V8ValueImpl::Wrap(const Datum& datum) {
  CefRefPtr<ContextState> binding;
  if (datum.type == Type::kObject)
    binding = isolate::CurrentContext();
  return new V8ValueImpl(datum, binding);
}

// static
V8ValueImpl* V8ValueImpl::FromInterface(CefV8Value* value) {
  return value ? Live().Find<V8ValueImpl>(value) : nullptr;
}

bool V8ValueImpl::HasValidHandle() const {
  if (datum_.type != Type::kObject)
    return true;
  if (binding_ && !binding_->valid())
    return false;
  return datum_.object->context() != nullptr;
}

bool V8ValueImpl::RequireObject(const char* method) {
  if (!OnObjectThread(method))
    return false;
  if (datum_.type == Type::kObject) {
    if (!HasValidHandle()) {
      Report(method, "V8 handle is not valid");
      return false;
    }
    return true;
  }
  Report(method, "V8 value is not an object");
  return false;
}

bool V8ValueImpl::RequireObjectInContext(const char* method) {
  if (!RequireObject(method))
    return false;
  if (!isolate::CurrentContext()) {
    Report(method, "not currently in a V8 context");
    return false;
  }
  return true;
}

V8ValueImpl* V8ValueImpl::RequireInput(const char* method, CefV8Value* value) {
  V8ValueImpl* impl = FromInterface(value);
  if (!impl || !impl->IsValid()) {
    Report(method, "invalid input parameter");
    return nullptr;
  }
  return impl;
}

bool V8ValueImpl::RequireIndex(const char* method, int index) {
  if (index >= 0)
    return true;
  Report(method, "invalid input parameter");
  return false;
}

bool V8ValueImpl::OnObjectThread(const char* method) {
  if (!RequireIsolate(method))
    return false;
  if (datum_.type == Type::kObject && binding_ &&
      !binding_->BelongsToCurrentThread()) {
    Report(method, "called on incorrect thread");
    return false;
  }
  return true;
}

bool V8ValueImpl::IsObjectOfKind(const char* method, ObjectData::Kind kind) {
  return OnObjectThread(method) && datum_.type == Type::kObject &&
         datum_.object->kind() == kind;
}

void V8ValueImpl::SetException(const std::wstring* message) {
  last_exception_ = message ? new V8ExceptionImpl(*message) : nullptr;
}

bool V8ValueImpl::IsValid() {
  if (!isolate::IsCurrent())
    return false;
  if (datum_.type == Type::kObject && binding_ &&
      !binding_->BelongsToCurrentThread()) {
    return false;
  }
  return HasValidHandle();
}

bool V8ValueImpl::IsUndefined() {
  return RequireIsolate("IsUndefined") && datum_.type == Type::kUndefined;
}

bool V8ValueImpl::IsNull() {
  return RequireIsolate("IsNull") && datum_.type == Type::kNull;
}

bool V8ValueImpl::IsBool() {
  return RequireIsolate("IsBool") && datum_.type == Type::kBool;
}

// CEF answers IsInt and IsUInt alike for both integer types.
bool V8ValueImpl::IsInt() {
  return RequireIsolate("IsInt") &&
         (datum_.type == Type::kInt || datum_.type == Type::kUInt);
}

bool V8ValueImpl::IsUInt() {
  return RequireIsolate("IsUInt") &&
         (datum_.type == Type::kInt || datum_.type == Type::kUInt);
}

bool V8ValueImpl::IsDouble() {
  return RequireIsolate("IsDouble") &&
         (datum_.type == Type::kInt || datum_.type == Type::kUInt ||
          datum_.type == Type::kDouble);
}

// Dates, array buffers and promises cannot be created in the simulation.
bool V8ValueImpl::IsDate() {
  RequireIsolate("IsDate");
  return false;
}

bool V8ValueImpl::IsString() {
  return RequireIsolate("IsString") && datum_.type == Type::kString;
}

bool V8ValueImpl::IsObject() {
  return RequireIsolate("IsObject") && datum_.type == Type::kObject;
}

bool V8ValueImpl::IsArray() {
  return IsObjectOfKind("IsArray", ObjectData::Kind::kArray);
}

bool V8ValueImpl::IsArrayBuffer() {
  OnObjectThread("IsArrayBuffer");
  return false;
}

bool V8ValueImpl::IsFunction() {
  return IsObjectOfKind("IsFunction", ObjectData::Kind::kFunction);
}

bool V8ValueImpl::IsPromise() {
  OnObjectThread("IsPromise");
  return false;
}

bool V8ValueImpl::IsSame(CefRefPtr<CefV8Value> that) {
  if (!RequireIsolate("IsSame"))
    return false;
  V8ValueImpl* other = FromInterface(that.get());
  if (!other || !other->IsValid() || other->datum_.type != datum_.type)
    return false;
  switch (datum_.type) {
    case Type::kUndefined:
    case Type::kNull:
      return true;
    case Type::kBool:
      return datum_.bool_value == other->datum_.bool_value;
    case Type::kInt:
    case Type::kUInt:
      return datum_.bits == other->datum_.bits;
    case Type::kDouble:
      return datum_.double_value == other->datum_.double_value;
    case Type::kString:
      return datum_.string_value == other->datum_.string_value;
    case Type::kObject:
      return datum_.object == other->datum_.object;
  }
  return false;
}

bool V8ValueImpl::GetBoolValue() {
  return RequireIsolate("GetBoolValue") && datum_.type == Type::kBool &&
         datum_.bool_value;
}

int32 V8ValueImpl::GetIntValue() {
  if (!RequireIsolate("GetIntValue"))
    return 0;
  if (datum_.type == Type::kInt || datum_.type == Type::kUInt)
    return static_cast<int32>(datum_.bits);
  return 0;
}

uint32 V8ValueImpl::GetUIntValue() {
  if (!RequireIsolate("GetUIntValue"))
    return 0;
  if (datum_.type == Type::kInt || datum_.type == Type::kUInt)
    return datum_.bits;
  return 0;
}

double V8ValueImpl::GetDoubleValue() {
  if (!RequireIsolate("GetDoubleValue"))
    return 0;
  switch (datum_.type) {
    case Type::kDouble:
      return datum_.double_value;
    case Type::kInt:
      return static_cast<int32_t>(datum_.bits);
    case Type::kUInt:
      return datum_.bits;
    default:
      return 0;
  }
}

CefBaseTime V8ValueImpl::GetDateValue() {
  RequireIsolate("GetDateValue");
  return CefBaseTime();
}

CefString V8ValueImpl::GetStringValue() {
  if (!RequireIsolate("GetStringValue") || datum_.type != Type::kString)
    return CefString();
  return datum_.string_value;
}

bool V8ValueImpl::IsUserCreated() {
  if (!RequireObjectInContext("IsUserCreated"))
    return false;
  return datum_.object->user_created();
}

bool V8ValueImpl::HasException() {
  return RequireObject("HasException") && last_exception_ != nullptr;
}

CefRefPtr<CefV8Exception> V8ValueImpl::GetException() {
  if (!RequireObject("GetException"))
    return nullptr;
  return last_exception_;
}

bool V8ValueImpl::ClearException() {
  if (!RequireObject("ClearException"))
    return false;
  last_exception_ = nullptr;
  return true;
}

bool V8ValueImpl::WillRethrowExceptions() {
  return RequireObject("WillRethrowExceptions") && rethrow_exceptions_;
}

bool V8ValueImpl::SetRethrowExceptions(bool rethrow) {
  if (!RequireObject("SetRethrowExceptions"))
    return false;
  rethrow_exceptions_ = rethrow;
  return true;
}

bool V8ValueImpl::HasValue(const CefString& key) {
  if (!RequireObjectInContext("HasValue"))
    return false;
  return datum_.object->Has(key.ToWString());
}

bool V8ValueImpl::HasValue(int index) {
  if (!RequireObject("HasValue") || !RequireIndex("HasValue", index) ||
      !RequireObjectInContext("HasValue")) {
    return false;
  }
  return datum_.object->HasIndex(static_cast<uint32_t>(index));
}

bool V8ValueImpl::DeleteValue(const CefString& key) {
  if (!RequireObjectInContext("DeleteValue"))
    return false;
  SetException(nullptr);
  return datum_.object->Delete(key.ToWString());
}

bool V8ValueImpl::DeleteValue(int index) {
  if (!RequireObject("DeleteValue") || !RequireIndex("DeleteValue", index) ||
      !RequireObjectInContext("DeleteValue")) {
    return false;
  }
  SetException(nullptr);
  return datum_.object->DeleteIndex(static_cast<uint32_t>(index));
}

CefRefPtr<CefV8Value> V8ValueImpl::GetValue(const CefString& key) {
  if (!RequireObjectInContext("GetValue"))
    return nullptr;
  SetException(nullptr);
  return Wrap(datum_.object->Get(key.ToWString()));
}

CefRefPtr<CefV8Value> V8ValueImpl::GetValue(int index) {
  if (!RequireObject("GetValue") || !RequireIndex("GetValue", index) ||
      !RequireObjectInContext("GetValue")) {
    return nullptr;
  }
  SetException(nullptr);
  return Wrap(datum_.object->GetIndex(static_cast<uint32_t>(index)));
}

// As in CEF: without attributes an assignment, with them a definition.
bool V8ValueImpl::SetValue(const CefString& key,
                           CefRefPtr<CefV8Value> value,
                           PropertyAttribute attribute) {
  if (!RequireObject("SetValue"))
    return false;
  V8ValueImpl* input = RequireInput("SetValue", value.get());
  if (!input || !RequireObjectInContext("SetValue"))
    return false;
  SetException(nullptr);
  if (attribute == V8_PROPERTY_ATTRIBUTE_NONE)
    return datum_.object->Set(key.ToWString(), input->datum_);
  return datum_.object->Define(key.ToWString(), input->datum_, attribute);
}

bool V8ValueImpl::SetValue(int index, CefRefPtr<CefV8Value> value) {
  if (!RequireObject("SetValue") || !RequireIndex("SetValue", index))
    return false;
  V8ValueImpl* input = RequireInput("SetValue", value.get());
  if (!input || !RequireObjectInContext("SetValue"))
    return false;
  SetException(nullptr);
  return datum_.object->SetIndex(static_cast<uint32_t>(index), input->datum_);
}

// Accessors are never attached in the simulation, so CEF's answer for an
// object without one applies: false.
bool V8ValueImpl::SetValue(const CefString& key,
                           AccessControl settings,
                           PropertyAttribute attribute) {
  if (!RequireObjectInContext("SetValue"))
    return false;
  return false;
}

bool V8ValueImpl::GetKeys(std::vector<CefString>& keys) {
  if (!RequireObjectInContext("GetKeys"))
    return false;
  for (const std::wstring& key : datum_.object->Keys())
    keys.push_back(key);
  return true;
}

bool V8ValueImpl::SetUserData(CefRefPtr<CefBaseRefCounted> user_data) {
  if (!RequireObjectInContext("SetUserData"))
    return false;
  if (!datum_.object->user_created())
    return false;
  datum_.object->set_user_data(user_data);
  return true;
}

CefRefPtr<CefBaseRefCounted> V8ValueImpl::GetUserData() {
  if (!RequireObjectInContext("GetUserData"))
    return nullptr;
  return datum_.object->user_data();
}

int V8ValueImpl::GetExternallyAllocatedMemory() {
  if (!RequireObjectInContext("GetExternallyAllocatedMemory"))
    return 0;
  return datum_.object->external_memory();
}

int V8ValueImpl::AdjustExternallyAllocatedMemory(int change_in_bytes) {
  if (!RequireObjectInContext("AdjustExternallyAllocatedMemory"))
    return 0;
  if (!datum_.object->user_created())
    return 0;
  if (datum_.object->external_memory() + change_in_bytes < 0) {
    Report("AdjustExternallyAllocatedMemory",
           "External memory usage cannot be less than 0 bytes");
    change_in_bytes = -datum_.object->external_memory();
  }
  return datum_.object->AdjustExternalMemory(change_in_bytes);
}

int V8ValueImpl::GetArrayLength() {
  if (!RequireObjectInContext("GetArrayLength"))
    return 0;
  if (datum_.object->kind() != ObjectData::Kind::kArray) {
    Report("GetArrayLength", "V8 value is not an array");
    return 0;
  }
  return static_cast<int>(datum_.object->array_length());
}

CefRefPtr<CefV8ArrayBufferReleaseCallback>
V8ValueImpl::GetArrayBufferReleaseCallback() {
  if (RequireObjectInContext("GetArrayBufferReleaseCallback"))
    Report("GetArrayBufferReleaseCallback", "V8 value is not an array buffer");
  return nullptr;
}

bool V8ValueImpl::NeuterArrayBuffer() {
  if (RequireObjectInContext("NeuterArrayBuffer"))
    Report("NeuterArrayBuffer", "V8 value is not an array buffer");
  return false;
}

CefString V8ValueImpl::GetFunctionName() {
  if (!RequireObjectInContext("GetFunctionName"))
    return CefString();
  if (datum_.object->kind() != ObjectData::Kind::kFunction) {
    Report("GetFunctionName", "V8 value is not a function");
    return CefString();
  }
  return datum_.object->function_name();
}

CefRefPtr<CefV8Handler> V8ValueImpl::GetFunctionHandler() {
  if (!RequireObjectInContext("GetFunctionHandler"))
    return nullptr;
  if (datum_.object->kind() != ObjectData::Kind::kFunction) {
    Report("GetFunctionHandler", "V8 value is not a function");
    return nullptr;
  }
  return datum_.object->handler();
}

CefRefPtr<CefV8Value> V8ValueImpl::ExecuteFunction(
    CefRefPtr<CefV8Value> object,
    const CefV8ValueList& arguments) {
  // No context: the current one, as in CEF.
  return ExecuteFunctionWithContext(nullptr, object, arguments);
}

CefRefPtr<CefV8Value> V8ValueImpl::ExecuteFunctionWithContext(
    CefRefPtr<CefV8Context> context,
    CefRefPtr<CefV8Value> object,
    const CefV8ValueList& arguments) {
  const char* method = "ExecuteFunctionWithContext";
  if (!RequireObject(method))
    return nullptr;
  if (datum_.object->kind() != ObjectData::Kind::kFunction) {
    Report(method, "V8 value is not a function");
    return nullptr;
  }
  if (context && !context->IsValid()) {
    Report(method, "invalid V8 context parameter");
    return nullptr;
  }
  V8ValueImpl* receiver = FromInterface(object.get());
  if (object && (!receiver || !receiver->IsValid() ||
                 receiver->datum_.type != Type::kObject)) {
    Report(method, "invalid V8 object parameter");
    return nullptr;
  }
  std::vector<Datum> args;
  for (const CefRefPtr<CefV8Value>& argument : arguments) {
    V8ValueImpl* impl = FromInterface(argument.get());
    if (!impl || !impl->IsValid()) {
      Report(method, "invalid V8 arguments parameter");
      return nullptr;
    }
    args.push_back(impl->datum_);
  }

  CefRefPtr<ContextState> state =
      context ? V8ContextImpl::StateOf(context.get())
              : CefRefPtr<ContextState>(isolate::CurrentContext());
  if (!state) {
    // V8 would crash on the empty context.
    Report(method, "not currently in a V8 context");
    return nullptr;
  }
  // Without a receiver the function runs on the context's global object.
  const Datum this_value =
      receiver ? receiver->datum_ : Datum::Object(state->global());

  CallResult result =
      CallFunction(datum_.object.get(), state.get(), this_value, args);
  if (result.threw) {
    SetException(&result.exception_message);
    if (rethrow_exceptions_ && isolate::CurrentContext())
      isolate::SetRethrown(result.exception_message);
    return nullptr;
  }
  SetException(nullptr);
  isolate::PushScope(state.get(), /*entered=*/true);
  CefRefPtr<CefV8Value> retval = Wrap(result.value);
  isolate::PopScope();
  return retval;
}

bool V8ValueImpl::ResolvePromise(CefRefPtr<CefV8Value> arg) {
  if (RequireObject("ResolvePromise"))
    Report("ResolvePromise", "V8 value is not a Promise");
  return false;
}

bool V8ValueImpl::RejectPromise(const CefString& errorMsg) {
  if (RequireObject("RejectPromise"))
    Report("RejectPromise", "V8 value is not a Promise");
  return false;
}

}  // namespace renderer
}  // namespace cefsim
