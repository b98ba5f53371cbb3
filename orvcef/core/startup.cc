#include "orvcef/core/startup.h"

#include "include/cef_app.h"
#include "orvcef/base/host_list.h"
#include "orvcef/base/library_state.h"
#include "orvcef/core/browser_app.h"
#include "orvcef/core/cef_settings.h"
#include "orvcef/core/container_window.h"
#include "orvcef/core/data_folder.h"
#include "orvcef/core/lifecycle_lock.h"
#include "orvcef/handler/client_handler.h"

namespace orvcef {

namespace {

constexpr DWORD kDebugFlag = 0x1;

// Opts out of DPI scaling through shcore.dll, but only when the host has
// loaded it already; the library never loads it itself.
void BecomeDpiUnaware() {
  HMODULE shcore = GetModuleHandleA("shcore.dll");
  if (!shcore)
    return;
  using SetProcessDpiAwarenessFn = HRESULT(WINAPI*)(int);
  auto set_awareness =
      reinterpret_cast<SetProcessDpiAwarenessFn>(reinterpret_cast<void*>(
          GetProcAddress(shcore, "SetProcessDpiAwareness")));
  if (set_awareness)
    set_awareness(0);  // PROCESS_DPI_UNAWARE
}

// The repeated call: CEF is (or was meant to be) up; only the main browser
// moves. False when no browser can ever take the URL.
bool NavigateMainBrowser(LibraryState& state) {
  if (state.context_failed())
    return false;
  CefRefPtr<OrvCefApp> app = CurrentApp();
  if (!app)
    return false;
  CefRefPtr<OrvCefHandler> handler = app->client_handler();
  // CEF's context is not up yet: the main browser will be created with the
  // URL just stored.
  if (!handler)
    return true;
  const StartUrl start = state.start_url();
  return handler->LoadStartUrl(start.url, start.serial);
}

}  // namespace

bool Start(HINSTANCE instance,
           HMODULE runtime_module,
           const wchar_t* url,
           const wchar_t* host_list,
           DWORD flags) {
  // Host threads that start at the same moment take turns: the first brings
  // CEF up, the others find it up and only send the main browser on. A start
  // that meets a termination waits for it to finish and is then refused.
  LibraryState& state = State();
  // A window procedure served during a termination's wait (same thread, so
  // the lock lets it through) is refused as well.
  if (state.terminating())
    return false;
  LifecycleLock lifecycle;
  if (state.terminating())
    return false;
  state.set_start_url(url ? url : L"");
  if (host_list)
    state.set_allowed_hosts(ParseHostList(host_list));
  if (state.initialized())
    return NavigateMainBrowser(state);
  // CEF comes up once per process at most (see cef_started_once).
  if (state.cef_started_once())
    return false;

  const HMODULE cef_library = LoadLibraryW(L"libcef.dll");
  state.set_cef_library(cef_library);
  if (!cef_library)
    return false;

  BecomeDpiUnaware();
  state.set_instance(instance);
  RegisterContainerClass(instance);

  CefMainArgs main_args(instance);
  CefSettings settings;
  const DataFolder data_folder =
      PrepareDataFolder(ModuleFolder(instance), SystemFileOperations());
  FillCefSettings(MakeStartupSettings(ModuleFolder(runtime_module),
                                      data_folder.path, flags & kDebugFlag),
                  &settings);

  CefRefPtr<OrvCefApp> app = new OrvCefApp();
  state.set_app(app);
  state.set_context_failed(false);
  state.set_start_thread(GetCurrentThreadId());
  state.set_initialized(true);
  state.set_cef_started_once();
  const bool initialized = CefInitialize(main_args, settings, app, nullptr);
  if (!initialized)
    state.set_context_failed(true);
  return initialized;
}

}  // namespace orvcef
