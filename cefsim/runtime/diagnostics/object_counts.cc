#include "diagnostics/object_counts.h"

#include <atomic>

namespace cefsim {

namespace {

constexpr int kKindCount = static_cast<int>(CountedKind::kCount);

std::atomic<int> g_counts[kKindCount];

constexpr const char* kKindNames[kKindCount] = {
    "frame",         "process_message", "download_item", "download_callback",
    "auth_callback", "request_context",
};

}  // namespace

LiveObjectCounter::LiveObjectCounter(CountedKind kind) : kind_(kind) {
  ++g_counts[static_cast<int>(kind_)];
}

LiveObjectCounter::~LiveObjectCounter() {
  --g_counts[static_cast<int>(kind_)];
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
