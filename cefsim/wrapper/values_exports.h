// The libcef.dll exports behind the static factories of the value and
// process-message classes. Each returns its object with one reference added
// for the caller (see adopt.h).
#ifndef CEFSIM_WRAPPER_VALUES_EXPORTS_H_
#define CEFSIM_WRAPPER_VALUES_EXPORTS_H_

#include <stddef.h>

#include "include/cef_process_message.h"
#include "include/cef_shared_process_message_builder.h"
#include "include/cef_values.h"

#if !defined(CEFSIM_EXPORT)
#if defined(BUILDING_CEF_SHARED)
#define CEFSIM_EXPORT __declspec(dllexport)
#else
#define CEFSIM_EXPORT
#endif
#endif

extern "C" {

CEFSIM_EXPORT CefValue* cefsim_value_create(void);
// Null (and a violation) for null data or a zero size, as CEF refuses them.
CEFSIM_EXPORT CefBinaryValue* cefsim_binary_value_create(const void* data,
                                                         size_t data_size);
CEFSIM_EXPORT CefDictionaryValue* cefsim_dictionary_value_create(void);
CEFSIM_EXPORT CefListValue* cefsim_list_value_create(void);
CEFSIM_EXPORT CefProcessMessage* cefsim_process_message_create(
    const cef_string_t* name);
CEFSIM_EXPORT CefSharedProcessMessageBuilder*
cefsim_shared_process_message_builder_create(const cef_string_t* name,
                                             size_t byte_size);
}

#endif  // CEFSIM_WRAPPER_VALUES_EXPORTS_H_
