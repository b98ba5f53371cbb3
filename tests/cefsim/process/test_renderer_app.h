// The application of this test program's renderer processes. It logs every
// render-process callback and answers probe messages from the browser
// process, so the tests can see what happened in the child:
//   "log?"      -> "log" with the callbacks so far, one string each.
//   "echo"      -> "echo" with a copy of the arguments plus, last, whether
//                  the delivered message was read-only.
//   "frame?"    -> "frame" with what the receiving frame reports of itself.
//   "scripts?"  -> "scripts" with "url|line|code" per script the frame kept.
//   "misuse"    -> "misused", sent as if to PID_RENDERER (a violation).
//   "exit"      -> the process ends with exit code argument 0.
// Any other message is left unhandled. A page whose URL contains
// "with-query" gets window.cefQuery and window.cefQueryCancel stand-ins.
#ifndef TESTS_CEFSIM_PROCESS_TEST_RENDERER_APP_H_
#define TESTS_CEFSIM_PROCESS_TEST_RENDERER_APP_H_

#include "include/cef_app.h"

namespace orvtest {

CefRefPtr<CefApp> MakeTestRendererApp();

}  // namespace orvtest

#endif  // TESTS_CEFSIM_PROCESS_TEST_RENDERER_APP_H_
