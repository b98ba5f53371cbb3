#include "diagnostics/object_counts.h"

#include <atomic>

namespace cefsim {

namespace {

constexpr int kKindCount = static_cast<int>(CountedKind::kCount);

std::atomic<int> g_counts[kKindCount];

// In the order of CountedKind; the assertion below keeps them in step.
constexpr const char* kKindNames[] = {
    "frame",         "process_message", "download_item",  "download_callback",
    "auth_callback", "request_context", "message_router", "query_callback",
};
static_assert(sizeof(kKindNames) / sizeof(kKindNames[0]) == kKindCount,
              "a counted kind without a name");

}  // namespace

LiveObjectCounter::LiveObjectCounter(CountedKind kind) : kind_(kind) {
  ++g_counts[static_cast<int>(kind_)];
}

LiveObjectCounter::~LiveObjectCounter() {
  --g_counts[static_cast<int>(kind_)];
}

void CountWrapperObject(CountedKind kind, int delta) {
  g_counts[static_cast<int>(kind)] += delta;
}

int LiveObjectCount(CountedKind kind) {
  return g_counts[static_cast<int>(kind)];
}

bool CountedKindNamed(const std::string& name, CountedKind* kind) {
  for (int i = 0; i < kKindCount; ++i) {
    if (name == kKindNames[i]) {
      *kind = static_cast<CountedKind>(i);
      return true;
    }
  }
  return false;
}

}  // namespace cefsim
