// One JavaScript value as the simulated V8 heap holds it: a primitive, or a
// reference to an object.
#ifndef CEFSIM_RUNTIME_RENDERER_V8_DATUM_H_
#define CEFSIM_RUNTIME_RENDERER_V8_DATUM_H_

#include <stdint.h>

#include <string>

#include "include/cef_base.h"

namespace cefsim {
namespace renderer {

class ObjectData;

struct Datum {
  enum class Type {
    kUndefined,
    kNull,
    kBool,
    kInt,
    kUInt,
    kDouble,
    kString,
    kObject
  };

  static Datum Undefined() { return Datum(); }
  static Datum Object(CefRefPtr<ObjectData> object);

  Type type = Type::kUndefined;
  bool bool_value = false;
  // kInt and kUInt share these bits, as CEF keeps them in one union: an int
  // read as unsigned (or the other way round) is the same 32 bits.
  uint32_t bits = 0;
  double double_value = 0;
  std::wstring string_value;
  CefRefPtr<ObjectData> object;  // kObject only.
};

// |value| as V8 hands it back once it has been stored, passed or returned:
// a number becomes an int when it is one, else an unsigned int when it is
// one, else a double (so CreateDouble(2) reads back as an int).
Datum AsStored(const Datum& value);

// JavaScript's SameValue: what a non-configurable read-only property may be
// redefined with.
bool SameValue(const Datum& a, const Datum& b);

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_V8_DATUM_H_
