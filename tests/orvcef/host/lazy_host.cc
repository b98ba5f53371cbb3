// A host in a folder without libcef.dll. Exit code: 0 when every step
// behaved, else the number of the first step that did not.
#include <windows.h>

#include <string>

#include "tests/orvcef/host/kit_library.h"

namespace {

std::wstring ExecutableFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

}  // namespace

int main() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  // 1: libcef.dll must not be findable from here, or this proves nothing.
  if (LoadLibraryW(L"libcef.dll"))
    return 1;
  // 2: orvcef.dll loads and every export binds all the same.
  orvtest::KitLibrary kit;
  if (!kit.Load((ExecutableFolder() + L"orvcef.dll").c_str()).empty())
    return 2;
  // 3: the start fails without CEF and leaves the library unstarted.
  const wchar_t hosts[] = L"a.test\0";
  if (kit.Start(GetModuleHandleW(nullptr), nullptr, L"https://a.test/", hosts,
                0)) {
    return 3;
  }
  if (kit.Initialized())
    return 4;
  // 5: every other export is safe without CEF.
  kit.SetMsgWnd(nullptr);
  kit.RunJs(L"1");
  kit.ReloadMainBrowser();
  kit.SetErrorPage(L"<p>%URL%</p>");
  kit.SetProxy(L"proxy.test:8080", L"user", L"secret");
  if (kit.GetMainWindowHandle())
    return 5;
  kit.PrevTerm();
  kit.Term();
  // 6: a second attempt fails the same way, without crashing.
  if (kit.Start(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, 0) ||
      kit.Initialized()) {
    return 6;
  }
  return 0;
}
