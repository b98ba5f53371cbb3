// OrvCefStart: bringing CEF up in the host process, and sending the main
// browser to a new start URL once it is up.
#ifndef ORVCEF_CORE_STARTUP_H_
#define ORVCEF_CORE_STARTUP_H_

#include <windows.h>

namespace orvcef {

// Runs on the host thread that will later call OrvCefTerm.
bool Start(HINSTANCE instance,
           HMODULE runtime_module,
           const wchar_t* url,
           const wchar_t* host_list,
           DWORD flags);

}  // namespace orvcef

#endif  // ORVCEF_CORE_STARTUP_H_
