// cefsim: the CEF 109 declarations of include/internal/cef_app_win.h.

#ifndef CEF_INCLUDE_INTERNAL_CEF_APP_WIN_H_
#define CEF_INCLUDE_INTERNAL_CEF_APP_WIN_H_
#pragma once

#include "include/base/cef_build.h"

#if defined(OS_WIN)

#if defined(ARCH_CPU_32_BITS)
#include <windows.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

#if defined(ARCH_CPU_32_BITS)
typedef int(APIENTRY* wWinMainPtr)(HINSTANCE hInstance,
                                   HINSTANCE hPrevInstance,
                                   LPWSTR lpCmdLine,
                                   int nCmdShow);
typedef int (*mainPtr)(int argc, char* argv[]);

CEF_EXPORT int cef_run_winmain_with_preferred_stack_size(wWinMainPtr wWinMain,
                                                         HINSTANCE hInstance,
                                                         LPWSTR lpCmdLine,
                                                         int nCmdShow);
CEF_EXPORT int cef_run_main_with_preferred_stack_size(mainPtr main,
                                                      int argc,
                                                      char* argv[]);
#endif

CEF_EXPORT void cef_enable_highdpi_support(void);

CEF_EXPORT void cef_set_osmodal_loop(int osModalLoop);

#ifdef __cplusplus
}
#endif

#endif
#endif  // CEF_INCLUDE_INTERNAL_CEF_APP_WIN_H_
