// cefsim: linkage and calling-convention macros for the libcef C API.

#ifndef CEF_INCLUDE_INTERNAL_CEF_EXPORT_H_
#define CEF_INCLUDE_INTERNAL_CEF_EXPORT_H_
#pragma once

#include "include/base/cef_build.h"

// Every Windows compiler, mingw's GCC included, marks the DLL's exports with
// dllexport; users see plain declarations, which also suits delay loading.
#if defined(COMPILER_MSVC) || defined(OS_WIN)

#ifdef BUILDING_CEF_SHARED
#define CEF_EXPORT __declspec(dllexport)
#elif USING_CEF_SHARED
#define CEF_EXPORT __declspec(dllimport)
#else
#define CEF_EXPORT
#endif

#elif defined(COMPILER_GCC)

// GCC builds rely on the .def file / import library, as CEF's do.
#define CEF_EXPORT __attribute__((visibility("default")))

#endif

// Calling convention of the function pointers in CEF's C structures.
#define CEF_CALLBACK __stdcall

#endif  // CEF_INCLUDE_INTERNAL_CEF_EXPORT_H_
