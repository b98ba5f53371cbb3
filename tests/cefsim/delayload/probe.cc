// A DLL that calls one libcef.dll function; built twice, once bound lazily
// through the delay-load import library and once with the normal one.
#include <windows.h>

#include "cefsim/control.h"

extern "C" __declspec(dllexport) int ProbeViolationCount() {
  return cefsim_violation_count();
}
