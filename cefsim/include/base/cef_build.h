// cefsim: platform, compiler and architecture macros of CEF 109, reduced to
// what a 32-bit Windows build with MinGW GCC (or MSVC) needs.

#ifndef CEF_INCLUDE_BASE_CEF_BUILD_H_
#define CEF_INCLUDE_BASE_CEF_BUILD_H_
#pragma once

#if !defined(_WIN32)
#error The simulated CEF headers support Windows only.
#endif

#define OS_WIN 1

#if defined(__GNUC__)
#define COMPILER_GCC 1
#elif defined(_MSC_VER)
#define COMPILER_MSVC 1
#else
#error Unsupported compiler.
#endif

#if defined(_M_X64) || defined(__x86_64__)
#define ARCH_CPU_X86_FAMILY 1
#define ARCH_CPU_X86_64 1
#define ARCH_CPU_64_BITS 1
#define ARCH_CPU_LITTLE_ENDIAN 1
#elif defined(_M_IX86) || defined(__i386__)
#define ARCH_CPU_X86_FAMILY 1
#define ARCH_CPU_X86 1
#define ARCH_CPU_32_BITS 1
#define ARCH_CPU_LITTLE_ENDIAN 1
#else
#error Unsupported architecture.
#endif

// On Windows wchar_t holds one UTF-16 code unit.
#define WCHAR_T_IS_UTF16

#endif  // CEF_INCLUDE_BASE_CEF_BUILD_H_
