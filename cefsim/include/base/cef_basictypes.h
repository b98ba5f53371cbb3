// cefsim: the fixed-width integer and UTF-16 character typedefs of CEF 109.

#ifndef CEF_INCLUDE_BASE_CEF_BASICTYPES_H_
#define CEF_INCLUDE_BASE_CEF_BASICTYPES_H_
#pragma once

#include <limits.h>
#include <stddef.h>

#include "include/base/cef_build.h"

// Windows is LLP64: long stays 32 bits, so 64-bit values are long long.
typedef long long int64;
typedef unsigned long long uint64;

#ifndef _INT32
#define _INT32
typedef int int32;
#endif

#ifndef _UINT32
#define _UINT32
typedef unsigned int uint32;
#endif

#ifndef _INT16
#define _INT16
typedef short int16;
#endif

#ifndef _UINT16
#define _UINT16
typedef unsigned short uint16;
#endif

// One UTF-16 code unit; wchar_t on Windows.
#ifndef char16
typedef wchar_t char16;
#endif

#endif  // CEF_INCLUDE_BASE_CEF_BASICTYPES_H_
