// The library's entry point does no work: loading only builds the library
// state, and everything else waits for OrvCefStart.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  return TRUE;
}
