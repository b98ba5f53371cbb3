// Running a function of the simulated V8 heap: the native handler that CEF
// attached to it, called as V8 calls an API function.
#ifndef CEFSIM_RUNTIME_RENDERER_V8_FUNCTION_CALL_H_
#define CEFSIM_RUNTIME_RENDERER_V8_FUNCTION_CALL_H_

#include <string>
#include <vector>

#include "renderer/v8_context_state.h"
#include "renderer/v8_datum.h"
#include "renderer/v8_object.h"

namespace cefsim {
namespace renderer {

struct CallResult {
  bool threw = false;
  std::wstring exception_message;  // As V8 words it: "Uncaught Error: ...".
  Datum value;                     // The return value unless |threw|.
};

// Runs |function| with |receiver| as `this`. |context| is entered for the
// call and the function's own context is current while its handler runs. A
// handler that sets an exception throws an Error with that text; one that
// returns false, or whose context is gone, returns undefined. Render thread.
CallResult CallFunction(ObjectData* function,
                        ContextState* context,
                        const Datum& receiver,
                        const std::vector<Datum>& arguments);

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_V8_FUNCTION_CALL_H_
