// The libcef.dll exports behind the static entry points of request contexts
// and preference managers. Objects are borrowed for the call; one that is
// returned carries a reference for the caller (adopt.h).
#ifndef CEFSIM_WRAPPER_NETWORK_EXPORTS_H_
#define CEFSIM_WRAPPER_NETWORK_EXPORTS_H_

#include "include/cef_preference.h"
#include "include/cef_request_context.h"
#include "include/cef_request_context_handler.h"

#if !defined(CEFSIM_EXPORT)
#if defined(BUILDING_CEF_SHARED)
#define CEFSIM_EXPORT __declspec(dllexport)
#else
#define CEFSIM_EXPORT
#endif
#endif

extern "C" {

// Null (and a violation) without a valid context, as CEF's NOTREACHED.
CEFSIM_EXPORT CefRequestContext* cef_request_context_get_global_context(void);
CEFSIM_EXPORT CefRequestContext* cef_request_context_create_context(
    const cef_request_context_settings_t* settings,
    CefRequestContextHandler* handler);
// Null for a null |other|.
CEFSIM_EXPORT CefRequestContext* cef_create_context_shared(
    CefRequestContext* other,
    CefRequestContextHandler* handler);
CEFSIM_EXPORT CefPreferenceManager* cef_preference_manager_get_global(void);
}

#endif  // CEFSIM_WRAPPER_NETWORK_EXPORTS_H_
