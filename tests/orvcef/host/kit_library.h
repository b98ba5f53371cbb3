// orvcef.dll as a host sees it: loaded by name, its ten functions bound by
// their plain names.
#ifndef TESTS_ORVCEF_HOST_KIT_LIBRARY_H_
#define TESTS_ORVCEF_HOST_KIT_LIBRARY_H_

#include <windows.h>

#include <string>

#include "orvcef/include/orvcef.h"

namespace orvtest {

struct KitLibrary {
  HMODULE module = nullptr;
  OrvCefStartFn Start = nullptr;
  OrvCefTermFn Term = nullptr;
  OrvCefPrevTermFn PrevTerm = nullptr;
  OrvCefInitializedFn Initialized = nullptr;
  OrvCefGetMainWindowHandleFn GetMainWindowHandle = nullptr;
  OrvCefSetMsgWndFn SetMsgWnd = nullptr;
  OrvCefReloadMainBrowserFn ReloadMainBrowser = nullptr;
  OrvCefRunJsFn RunJs = nullptr;
  OrvCefSetErrorPageFn SetErrorPage = nullptr;
  OrvCefSetProxyFn SetProxy = nullptr;

  // Loads |path| and binds every export. Returns the name of the first
  // that is missing, "orvcef.dll" when the library does not load, or an
  // empty text when all is bound.
  std::string Load(const wchar_t* path = L"orvcef.dll");
};

}  // namespace orvtest

#endif  // TESTS_ORVCEF_HOST_KIT_LIBRARY_H_
