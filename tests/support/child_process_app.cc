#include "child_process_app.h"

namespace orvtest {
namespace {

// Set by static initializers, before main(); read once in main().
ChildProcessAppFactory g_factory = nullptr;

}  // namespace

ChildProcessAppRegistration::ChildProcessAppRegistration(
    ChildProcessAppFactory factory) {
  g_factory = factory;
}

CefRefPtr<CefApp> MakeChildProcessApp() {
  return g_factory ? g_factory() : nullptr;
}

}  // namespace orvtest
