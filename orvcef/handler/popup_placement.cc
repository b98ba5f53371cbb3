#include "orvcef/handler/popup_placement.h"

#include <cstdint>

namespace orvcef {

bool CenterPopupOn(const RECT& opener, int width, int height, int* x, int* y) {
  if (width == CW_USEDEFAULT || height == CW_USEDEFAULT)
    return false;
  // 64-bit sums: far-off windows or odd sizes must not wrap around.
  const int64_t left = (int64_t{opener.left} + opener.right - width) / 2;
  const int64_t top = (int64_t{opener.top} + opener.bottom - height) / 2;
  if (left < INT32_MIN || left > INT32_MAX || top < INT32_MIN ||
      top > INT32_MAX) {
    return false;
  }
  *x = static_cast<int>(left);
  *y = static_cast<int>(top);
  return true;
}

}  // namespace orvcef
