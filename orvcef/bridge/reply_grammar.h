// Reading the host's reply to a page query.
#ifndef ORVCEF_BRIDGE_REPLY_GRAMMAR_H_
#define ORVCEF_BRIDGE_REPLY_GRAMMAR_H_

#include <cstddef>
#include <string_view>

namespace orvcef {

// What the page receives for one reply.
struct QueryOutcome {
  bool success = false;
  // Failure only: -1 for an empty reply, 1 for a reply without "ok:".
  int error_code = 0;
  // UTF-8: the response after "ok:", or the failure message. It points into
  // the reply (or at static text), so it lives as long as the reply does.
  std::string_view text;
};

// |reply| holds the zero-terminated UTF-8 text the host wrote into a buffer
// of |capacity| bytes. A reply that fills the buffer without a terminator is
// read up to the buffer's end and no further. Nothing is copied.
QueryOutcome ReadHostReply(const char* reply, size_t capacity);

}  // namespace orvcef

#endif  // ORVCEF_BRIDGE_REPLY_GRAMMAR_H_
