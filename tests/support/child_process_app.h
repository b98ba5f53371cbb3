// Test programs serve as their own child processes, as CEF's test programs
// do: the test main hands a process started with a --type switch to
// CefExecuteProcess before any test runs. A program whose children need an
// application object (a render-process handler, say) registers it here.
#ifndef TESTS_SUPPORT_CHILD_PROCESS_APP_H_
#define TESTS_SUPPORT_CHILD_PROCESS_APP_H_

#include "include/cef_app.h"

namespace orvtest {

using ChildProcessAppFactory = CefRefPtr<CefApp> (*)();

// Registers |factory| from a static initializer of the test program:
//   const orvtest::ChildProcessAppRegistration kApp(&MakeRendererApp);
// The last registration wins.
class ChildProcessAppRegistration {
 public:
  explicit ChildProcessAppRegistration(ChildProcessAppFactory factory);
};

// The application for this program's child processes; null when none was
// registered.
CefRefPtr<CefApp> MakeChildProcessApp();

}  // namespace orvtest

#endif  // TESTS_SUPPORT_CHILD_PROCESS_APP_H_
