#include "orvcef/bridge/page_answer.h"

namespace orvcef {

void ConvertPageAnswer(std::string_view utf8, CefString* answer) {
  cef_string_utf8_to_utf16(utf8.data(), utf8.size(),
                           answer->GetWritableStruct());
}

}  // namespace orvcef
