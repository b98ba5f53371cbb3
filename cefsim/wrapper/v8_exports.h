// The libcef.dll exports behind the static functions of CefV8Value and
// CefV8Context. Each object comes with one reference added for the caller
// (see adopt.h). All of them belong on the render thread, where the runtime
// checks them as CEF does.
#ifndef CEFSIM_WRAPPER_V8_EXPORTS_H_
#define CEFSIM_WRAPPER_V8_EXPORTS_H_

#include <stdint.h>

#include "include/cef_v8.h"

#if !defined(CEFSIM_EXPORT)
#if defined(BUILDING_CEF_SHARED)
#define CEFSIM_EXPORT __declspec(dllexport)
#else
#define CEFSIM_EXPORT
#endif
#endif

extern "C" {

CEFSIM_EXPORT CefV8Value* cefsim_v8value_create_undefined(void);
CEFSIM_EXPORT CefV8Value* cefsim_v8value_create_null(void);
CEFSIM_EXPORT CefV8Value* cefsim_v8value_create_bool(int value);
CEFSIM_EXPORT CefV8Value* cefsim_v8value_create_int(int32_t value);
CEFSIM_EXPORT CefV8Value* cefsim_v8value_create_uint(uint32_t value);
CEFSIM_EXPORT CefV8Value* cefsim_v8value_create_double(double value);
CEFSIM_EXPORT CefV8Value* cefsim_v8value_create_string(
    const cef_string_t* value);
// |accessor| and |interceptor| are borrowed; the simulation supports
// neither and reports one given as a violation.
CEFSIM_EXPORT CefV8Value* cefsim_v8value_create_object(
    CefV8Accessor* accessor,
    CefV8Interceptor* interceptor);
CEFSIM_EXPORT CefV8Value* cefsim_v8value_create_array(int length);
// The function keeps its own reference to |handler|.
CEFSIM_EXPORT CefV8Value* cefsim_v8value_create_function(
    const cef_string_t* name,
    CefV8Handler* handler);

CEFSIM_EXPORT CefV8Context* cefsim_v8context_get_current_context(void);
CEFSIM_EXPORT CefV8Context* cefsim_v8context_get_entered_context(void);
CEFSIM_EXPORT int cefsim_v8context_in_context(void);
}

#endif  // CEFSIM_WRAPPER_V8_EXPORTS_H_
