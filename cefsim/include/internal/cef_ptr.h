// cefsim: the smart pointer aliases of CEF 109.

#ifndef CEF_INCLUDE_INTERNAL_CEF_PTR_H_
#define CEF_INCLUDE_INTERNAL_CEF_PTR_H_
#pragma once

#include <memory>

#include "include/base/cef_build.h"
#include "include/base/cef_ref_counted.h"

// Shared ownership of a reference-counted CEF object.
template <class T>
using CefRefPtr = scoped_refptr<T>;

// Sole ownership of a CefBaseScoped object.
template <class T, class D = std::default_delete<T>>
using CefOwnPtr = std::unique_ptr<T, D>;

// A borrowed pointer to a CefBaseScoped object.
template <class T>
using CefRawPtr = T*;

#endif  // CEF_INCLUDE_INTERNAL_CEF_PTR_H_
