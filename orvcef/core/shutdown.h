// OrvCefPrevTerm and OrvCefTerm: detaching from the host's windows, then
// closing every browser and shutting CEF down.
#ifndef ORVCEF_CORE_SHUTDOWN_H_
#define ORVCEF_CORE_SHUTDOWN_H_

namespace orvcef {

// Any host thread.
void PrepareTermination();
// The host thread that called OrvCefStart.
void Terminate();

}  // namespace orvcef

#endif  // ORVCEF_CORE_SHUTDOWN_H_
