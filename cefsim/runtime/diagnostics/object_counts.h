// Live-object counts by kind, for leak checks: an object that embeds a
// LiveObjectCounter is counted from its construction to its destruction.
#ifndef CEFSIM_RUNTIME_DIAGNOSTICS_OBJECT_COUNTS_H_
#define CEFSIM_RUNTIME_DIAGNOSTICS_OBJECT_COUNTS_H_

#include <string>

namespace cefsim {

enum class CountedKind {
  kFrame,
  kProcessMessage,
  kDownloadItem,
  kDownloadCallback,
  kAuthCallback,
  kRequestContext,
  kMessageRouter,  // The wrapper's browser-side routers.
  kQueryCallback,  // The callbacks those routers hand their handlers.
  kCount,          // Not a kind: how many there are.
};

// A member that counts its owner as one live object of |kind|. Any thread.
class LiveObjectCounter {
 public:
  explicit LiveObjectCounter(CountedKind kind);
  ~LiveObjectCounter();
  LiveObjectCounter(const LiveObjectCounter&) = delete;
  LiveObjectCounter& operator=(const LiveObjectCounter&) = delete;

 private:
  const CountedKind kind_;
};

// A wrapper object of |kind| was made (|delta| 1) or destroyed (-1): the
// wrapper lives in other modules and reports through an export.
void CountWrapperObject(CountedKind kind, int delta);

// Objects of |kind| alive now.
int LiveObjectCount(CountedKind kind);
// The kind named |name| ("frame", "process_message", "download_item",
// "download_callback", "auth_callback", "request_context",
// "message_router", "query_callback"); false when no
// kind has that name.
bool CountedKindNamed(const std::string& name, CountedKind* kind);

}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_DIAGNOSTICS_OBJECT_COUNTS_H_
