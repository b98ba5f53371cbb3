// Child program of the delay-load test. It does not import libcef.dll, and
// runs in a folder without it. Exit code: 0 when every step behaved, else
// the number of the first step that did not.
#include <windows.h>

#include <string>

namespace {

std::wstring ModuleFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

}  // namespace

int main() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  const std::wstring here = ModuleFolder();

  // 1: libcef.dll must not be findable from here, or the test proves nothing.
  if (LoadLibraryW(L"libcef.dll"))
    return 1;
  // 2: the normally linked probe cannot load without it.
  if (LoadLibraryW((here + L"eagerload_probe.dll").c_str()))
    return 2;
  // 3: the delay-loaded probe loads all the same.
  HMODULE probe = LoadLibraryW((here + L"delayload_probe.dll").c_str());
  if (!probe)
    return 3;
  auto count =
      reinterpret_cast<int (*)()>(GetProcAddress(probe, "ProbeViolationCount"));
  if (!count)
    return 4;
  // 5: with the engine loaded by hand, the first call binds and runs.
  if (!LoadLibraryW((here + L"..\\libcef.dll").c_str()))
    return 5;
  if (count() != 0)
    return 6;
  return 0;
}
