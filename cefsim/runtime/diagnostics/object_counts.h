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
  kCount,  // Not a kind: how many there are.
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

// Objects of |kind| alive now.
int LiveObjectCount(CountedKind kind);
// The kind named |name| ("frame", "process_message", "download_item",
// "download_callback", "auth_callback", "request_context"); false when no
// kind has that name.
bool CountedKindNamed(const std::string& name, CountedKind* kind);

}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_DIAGNOSTICS_OBJECT_COUNTS_H_
