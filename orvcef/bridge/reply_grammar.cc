#include "orvcef/bridge/reply_grammar.h"

#include <cstring>

namespace orvcef {

namespace {

constexpr char kSuccessPrefix[] = "ok:";
constexpr size_t kSuccessPrefixLength = sizeof(kSuccessPrefix) - 1;

}  // namespace

QueryOutcome ReadHostReply(const char* reply, size_t capacity) {
  const void* terminator = memchr(reply, '\0', capacity);
  const size_t length =
      terminator ? static_cast<const char*>(terminator) - reply : capacity;

  QueryOutcome outcome;
  if (length >= kSuccessPrefixLength &&
      memcmp(reply, kSuccessPrefix, kSuccessPrefixLength) == 0) {
    outcome.success = true;
    outcome.text = std::string_view(reply + kSuccessPrefixLength,
                                    length - kSuccessPrefixLength);
  } else if (length == 0) {
    outcome.error_code = -1;
    outcome.text = "Unknown";
  } else {
    outcome.error_code = 1;
    outcome.text = std::string_view(reply, length);
  }
  return outcome;
}

}  // namespace orvcef
