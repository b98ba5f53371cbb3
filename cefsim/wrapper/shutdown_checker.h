// The wrapper's record of CefShutdown in this module. CEF's own wrapper
// keeps the same flag in debug builds and stops on any CEF object created
// after it: the objects of a shut-down CEF must not be made or used.
#ifndef CEFSIM_WRAPPER_SHUTDOWN_CHECKER_H_
#define CEFSIM_WRAPPER_SHUTDOWN_CHECKER_H_

namespace cefsim {

// CefShutdown has returned in this module.
void MarkShutdown();
// Reports a violation when CefShutdown has returned in this module.
void AssertNotShutdown();

}  // namespace cefsim

#endif  // CEFSIM_WRAPPER_SHUTDOWN_CHECKER_H_
