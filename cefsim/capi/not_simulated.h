// What a C-API entry point does when the simulation does not model it.
#ifndef CEFSIM_CAPI_NOT_SIMULATED_H_
#define CEFSIM_CAPI_NOT_SIMULATED_H_

namespace cefsim {
namespace capi {

// Records "<function> is not simulated" as a violation, so a client that
// strays outside what is modelled fails loudly where it does. Any thread.
void ReportNotSimulated(const char* function);

}  // namespace capi
}  // namespace cefsim

#endif  // CEFSIM_CAPI_NOT_SIMULATED_H_
