// The Windows-only C++ functions that libcef_dll2.cc calls and that carry no
// translator annotation, so the generated definitions do not cover them.
// None is simulated. (cef_win.h uses CEF_EXPORT without including its
// header.)
#include "capi/not_simulated.h"
#include "include/internal/cef_export.h"
#include "include/internal/cef_win.h"

int CefRunWinMainWithPreferredStackSize(wWinMainPtr wWinMain,
                                        HINSTANCE hInstance,
                                        LPWSTR lpCmdLine,
                                        int nCmdShow) {
  cefsim::capi::ReportNotSimulated("CefRunWinMainWithPreferredStackSize");
  return -1;
}

int CefRunMainWithPreferredStackSize(mainPtr main, int argc, char* argv[]) {
  cefsim::capi::ReportNotSimulated("CefRunMainWithPreferredStackSize");
  return -1;
}

void CefEnableHighDPISupport() {
  cefsim::capi::ReportNotSimulated("CefEnableHighDPISupport");
}

void CefSetOSModalLoop(bool osModalLoop) {
  cefsim::capi::ReportNotSimulated("CefSetOSModalLoop");
}
