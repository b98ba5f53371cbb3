#include "kit_library.h"

namespace orvtest {

namespace {

template <class Fn>
bool Bind(HMODULE module, const char* name, Fn* function) {
  *function = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(module, name)));
  return *function != nullptr;
}

}  // namespace

std::string KitLibrary::Load(const wchar_t* path) {
  module = LoadLibraryW(path);
  if (!module)
    return "orvcef.dll";
#define ORVTEST_BIND(name)                  \
  if (!Bind(module, "OrvCef" #name, &name)) \
  return "OrvCef" #name
  ORVTEST_BIND(Start);
  ORVTEST_BIND(Term);
  ORVTEST_BIND(PrevTerm);
  ORVTEST_BIND(Initialized);
  ORVTEST_BIND(GetMainWindowHandle);
  ORVTEST_BIND(SetMsgWnd);
  ORVTEST_BIND(ReloadMainBrowser);
  ORVTEST_BIND(RunJs);
  ORVTEST_BIND(SetErrorPage);
  ORVTEST_BIND(SetProxy);
#undef ORVTEST_BIND
  return std::string();
}

}  // namespace orvtest
