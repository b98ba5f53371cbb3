// The text the page's onSuccess or onFailure receives, made from the UTF-8
// the host wrote.
#ifndef ORVCEF_BRIDGE_PAGE_ANSWER_H_
#define ORVCEF_BRIDGE_PAGE_ANSWER_H_

// The genuine cef_string.h uses strlen without declaring it.
#include <string.h>

#include <string_view>

#include "include/internal/cef_string.h"

namespace orvcef {

// Converts |utf8| into |answer| as CefString converts UTF-8 (invalid bytes
// included), reading it in place: a 1 MiB reply is read once, not copied
// first.
void ConvertPageAnswer(std::string_view utf8, CefString* answer);

}  // namespace orvcef

#endif  // ORVCEF_BRIDGE_PAGE_ANSWER_H_
