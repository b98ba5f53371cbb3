// The C exports behind CefRequestContext's and CefPreferenceManager's
// static entry points.
#include "browser/context.h"
#include "browser/request_context_impl.h"
#include "diagnostics/records.h"
#include "wrapper/network_exports.h"

namespace {

using cefsim::browser::RequestContextImpl;

// CEF's CONTEXT_STATE_VALID check, NOTREACHED when it fails.
bool CheckContext(const char* what) {
  if (cefsim::browser::ContextValid())
    return true;
  cefsim::ReportViolation(std::string(what) + ": context not valid");
  return false;
}

// Hands |object| to the caller with one reference of its own.
template <class T>
T* Handout(CefRefPtr<T> object) {
  if (object)
    object->AddRef();
  return object.get();
}

}  // namespace

CefRequestContext* cef_request_context_get_global_context(void) {
  if (!CheckContext("CefRequestContext::GetGlobalContext"))
    return nullptr;
  return Handout<CefRequestContext>(RequestContextImpl::Global());
}

CefRequestContext* cef_request_context_create_context(
    const cef_request_context_settings_t* settings,
    CefRequestContextHandler* handler) {
  if (!CheckContext("CefRequestContext::CreateContext"))
    return nullptr;
  return Handout<CefRequestContext>(RequestContextImpl::Create(
      CefRequestContextSettings(*settings), handler));
}

CefRequestContext* cef_create_context_shared(
    CefRequestContext* other,
    CefRequestContextHandler* handler) {
  if (!CheckContext("CefRequestContext::CreateContext"))
    return nullptr;
  return Handout<CefRequestContext>(RequestContextImpl::CreateShared(
      RequestContextImpl::From(other), handler));
}

CefPreferenceManager* cef_preference_manager_get_global(void) {
  if (!CheckContext("CefPreferenceManager::GetGlobalPreferenceManager"))
    return nullptr;
  return Handout(cefsim::browser::NewLocalStatePreferenceManager());
}
