// The ten functions orvcef.dll exports; each is a thin door into the part
// of the library that does the work.
#include "orvcef/include/orvcef.h"

#include "orvcef/base/library_state.h"
#include "orvcef/base/no_throw.h"
#include "orvcef/bridge/script_push.h"
#include "orvcef/core/browser_app.h"
#include "orvcef/core/shutdown.h"
#include "orvcef/core/startup.h"
#include "orvcef/handler/client_handler.h"

namespace {

std::wstring TextOrEmpty(LPCWSTR text) {
  return text ? std::wstring(text) : std::wstring();
}

// The client handler, when the library is started and CEF's context is up.
CefRefPtr<orvcef::OrvCefHandler> ClientHandler() {
  return orvcef::CurrentClientHandler();
}

}  // namespace

bool WINAPI OrvCefStart(HINSTANCE instance,
                        HMODULE runtime_module,
                        LPCWSTR url,
                        LPCWSTR host_list,
                        DWORD flags) {
  return orvcef::CallWithoutThrowing(false, [&] {
    return orvcef::Start(instance, runtime_module, url, host_list, flags);
  });
}

void WINAPI OrvCefTerm(void) {
  orvcef::CallWithoutThrowing([] { orvcef::Terminate(); });
}

void WINAPI OrvCefPrevTerm(void) {
  orvcef::CallWithoutThrowing([] { orvcef::PrepareTermination(); });
}

bool WINAPI OrvCefInitialized(void) {
  return orvcef::State().initialized();
}

HWND WINAPI OrvCefGetMainWindowHandle(void) {
  return orvcef::CallWithoutThrowing(static_cast<HWND>(nullptr), [] {
    CefRefPtr<orvcef::OrvCefHandler> handler = ClientHandler();
    return handler ? handler->main_window() : nullptr;
  });
}

void WINAPI OrvCefSetMsgWnd(HWND message_window) {
  orvcef::State().set_message_window(message_window);
}

void WINAPI OrvCefReloadMainBrowser(void) {
  orvcef::CallWithoutThrowing([] {
    if (orvcef::State().terminating())
      return;
    CefRefPtr<orvcef::OrvCefHandler> handler = ClientHandler();
    if (handler && !orvcef::State().terminating())
      handler->ReloadMainBrowser();
  });
}

void WINAPI OrvCefRunJs(LPCWSTR script) {
  orvcef::CallWithoutThrowing([&] {
    // The browsers are closing: a script now would only queue up behind
    // the closing on CEF's UI thread, and a host thread that keeps sending
    // them could hold the closing off.
    if (orvcef::State().terminating())
      return;
    CefRefPtr<orvcef::OrvCefHandler> handler = ClientHandler();
    if (handler)
      orvcef::RunMainFrameScript(handler->FrontBrowser(), script);
  });
}

void WINAPI OrvCefSetErrorPage(LPCWSTR html) {
  orvcef::CallWithoutThrowing(
      [&] { orvcef::State().set_error_page(TextOrEmpty(html)); });
}

// Every navigation applies the stored server; a change reloads the main
// browser so it takes effect at once.
void WINAPI OrvCefSetProxy(LPCWSTR server, LPCWSTR user, LPCWSTR password) {
  orvcef::CallWithoutThrowing([&] {
    if (!orvcef::State().UpdateProxy(server, user, password))
      return;
    CefRefPtr<orvcef::OrvCefHandler> handler = ClientHandler();
    if (handler && !orvcef::State().terminating())
      handler->ReloadMainBrowser();
  });
}
