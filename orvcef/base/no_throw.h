// Keeps C++ exceptions inside the library. The host calls the exports from
// C or from any compiler's code, and CEF calls our callbacks from code built
// without exceptions: an exception crossing either boundary ends the host
// process. Code that can throw (a std::bad_alloc while copying a host text,
// say) runs through these, which turn any exception into the quiet failure
// the caller expects.
#ifndef ORVCEF_BASE_NO_THROW_H_
#define ORVCEF_BASE_NO_THROW_H_

#include <utility>

namespace orvcef {

// Runs |body| and returns its result, or |on_failure| when it throws.
template <typename Result, typename Body>
Result CallWithoutThrowing(Result on_failure, Body&& body) noexcept {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    return on_failure;
  }
}

// Runs |body|; an exception ends it early and goes no further.
template <typename Body>
void CallWithoutThrowing(Body&& body) noexcept {
  try {
    std::forward<Body>(body)();
  } catch (...) {
  }
}

}  // namespace orvcef

#endif  // ORVCEF_BASE_NO_THROW_H_
