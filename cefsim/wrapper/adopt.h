// Taking over the reference that a libcef.dll export hands to its caller.
#ifndef CEFSIM_WRAPPER_ADOPT_H_
#define CEFSIM_WRAPPER_ADOPT_H_

namespace cefsim {

// An export that returns an object has already added one reference for the
// caller. Adopt wraps the pointer in a CefRefPtr (which adds its own) and
// drops the export's, so the object ends with exactly the caller's reference.
template <class T>
auto Adopt(T* object) {
  CefRefPtr<T> result(object);
  if (object)
    object->Release();
  return result;
}

}  // namespace cefsim

#endif  // CEFSIM_WRAPPER_ADOPT_H_
