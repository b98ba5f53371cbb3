// The embedding library's interface for host applications.
//
// A host loads orvcef.dll, starts CEF with OrvCefStart, shows the browser
// window that OrvCefGetMainWindowHandle returns, serves WM_HOST_QUERY in its
// message window and ends with OrvCefPrevTerm and then OrvCefTerm on the
// thread that called OrvCefStart. Usable from C and C++; every function is
// exported under its plain name with the stdcall convention, so a host may
// equally bind them with GetProcAddress.
#ifndef ORVCEF_INCLUDE_ORVCEF_H_
#define ORVCEF_INCLUDE_ORVCEF_H_

#include <windows.h>

#ifndef __cplusplus
#include <stdbool.h>
#endif

// Sent to the host's message window (WM_APP + 8899).
// Query form: wParam is the request as zero-terminated UTF-16 text (0 for an
// empty request), lParam a 1 MiB buffer for the zero-terminated UTF-8 reply:
// "ok:" followed by the response for success, any other text for a failure
// carrying that text, nothing for an unknown failure.
// Notification form: wParam 0 and lParam 0, a mouse button went down in the
// browser inside a host view; nothing is written.
#define WM_HOST_QUERY (WM_APP + 8899)

// Size of the reply buffer of the query form, terminator included.
#define ORVCEF_REPLY_BUFFER_SIZE (1024 * 1024)

// Bit 0 of OrvCefStart's flags: CEF writes debug.log beside its cache and
// opens remote debugging on port 9229.
#define ORVCEF_FLAG_DEBUG 0x1u

#ifdef __cplusplus
extern "C" {
#endif

// Starts CEF (first call) or sends the main browser to |url| (later calls).
// |host_list| is a sequence of zero-terminated host names ended by an empty
// one; NULL keeps the allowed hosts as they are.
bool WINAPI OrvCefStart(HINSTANCE instance,
                        HMODULE runtime_module,
                        LPCWSTR url,
                        LPCWSTR host_list,
                        DWORD flags);
void WINAPI OrvCefTerm(void);
void WINAPI OrvCefPrevTerm(void);
bool WINAPI OrvCefInitialized(void);
HWND WINAPI OrvCefGetMainWindowHandle(void);
void WINAPI OrvCefSetMsgWnd(HWND message_window);
void WINAPI OrvCefReloadMainBrowser(void);
void WINAPI OrvCefRunJs(LPCWSTR script);
void WINAPI OrvCefSetErrorPage(LPCWSTR html);
void WINAPI OrvCefSetProxy(LPCWSTR server, LPCWSTR user, LPCWSTR password);

// Function types for hosts that bind the exports with GetProcAddress.
typedef bool(
    WINAPI* OrvCefStartFn)(HINSTANCE, HMODULE, LPCWSTR, LPCWSTR, DWORD);
typedef void(WINAPI* OrvCefTermFn)(void);
typedef void(WINAPI* OrvCefPrevTermFn)(void);
typedef bool(WINAPI* OrvCefInitializedFn)(void);
typedef HWND(WINAPI* OrvCefGetMainWindowHandleFn)(void);
typedef void(WINAPI* OrvCefSetMsgWndFn)(HWND);
typedef void(WINAPI* OrvCefReloadMainBrowserFn)(void);
typedef void(WINAPI* OrvCefRunJsFn)(LPCWSTR);
typedef void(WINAPI* OrvCefSetErrorPageFn)(LPCWSTR);
typedef void(WINAPI* OrvCefSetProxyFn)(LPCWSTR, LPCWSTR, LPCWSTR);

#ifdef __cplusplus
}
#endif

#endif  // ORVCEF_INCLUDE_ORVCEF_H_
