#include "renderer/v8_datum.h"

#include <cmath>

#include "renderer/v8_object.h"

namespace cefsim {
namespace renderer {

// static
Datum Datum::Object(CefRefPtr<ObjectData> object) {
  Datum datum;
  datum.type = Type::kObject;
  datum.object = std::move(object);
  return datum;
}

Datum AsStored(const Datum& value) {
  double number = 0;
  switch (value.type) {
    case Datum::Type::kInt:
      number = static_cast<int32_t>(value.bits);
      break;
    case Datum::Type::kUInt:
      number = value.bits;
      break;
    case Datum::Type::kDouble:
      number = value.double_value;
      break;
    default:
      return value;
  }
  Datum stored;
  if (std::isnan(number) || std::isinf(number) ||
      std::trunc(number) != number || (number == 0 && std::signbit(number))) {
    stored.type = Datum::Type::kDouble;
    stored.double_value = number;
  } else if (number >= -2147483648.0 && number <= 2147483647.0) {
    stored.type = Datum::Type::kInt;
    stored.bits = static_cast<uint32_t>(static_cast<int32_t>(number));
  } else if (number >= 0 && number <= 4294967295.0) {
    stored.type = Datum::Type::kUInt;
    stored.bits = static_cast<uint32_t>(number);
  } else {
    stored.type = Datum::Type::kDouble;
    stored.double_value = number;
  }
  return stored;
}

bool SameValue(const Datum& a, const Datum& b) {
  const Datum x = AsStored(a);
  const Datum y = AsStored(b);
  if (x.type != y.type)
    return false;
  switch (x.type) {
    case Datum::Type::kUndefined:
    case Datum::Type::kNull:
      return true;
    case Datum::Type::kBool:
      return x.bool_value == y.bool_value;
    case Datum::Type::kInt:
    case Datum::Type::kUInt:
      return x.bits == y.bits;
    case Datum::Type::kDouble:
      return (std::isnan(x.double_value) && std::isnan(y.double_value)) ||
             (x.double_value == y.double_value &&
              std::signbit(x.double_value) == std::signbit(y.double_value));
    case Datum::Type::kString:
      return x.string_value == y.string_value;
    case Datum::Type::kObject:
      return x.object == y.object;
  }
  return false;
}

}  // namespace renderer
}  // namespace cefsim
