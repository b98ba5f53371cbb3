#include "web/net_error_text.h"

namespace cefsim {
namespace browser {

std::string NetErrorShortText(int error_code) {
  switch (error_code) {
    case 0:
      return "net::OK";
#define NET_ERROR(label, value) \
  case value:                   \
    return "net::ERR_" #label;
#include "include/base/internal/cef_net_error_list.h"
#undef NET_ERROR
  }
  return "net::<unknown>";
}

}  // namespace browser
}  // namespace cefsim
