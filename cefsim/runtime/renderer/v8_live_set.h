// The objects of one interface that the V8 simulation made and that still
// exist, so that an object handed back through the interface is known to be
// ours before it is cast. Objects may be released on any thread.
#ifndef CEFSIM_RUNTIME_RENDERER_V8_LIVE_SET_H_
#define CEFSIM_RUNTIME_RENDERER_V8_LIVE_SET_H_

#include <mutex>
#include <unordered_set>

namespace cefsim {
namespace renderer {

template <class Interface>
class LiveSet {
 public:
  // One set per interface, for the whole process (leaked on purpose:
  // objects may go away during static destruction).
  static LiveSet& Get() {
    static LiveSet* set = new LiveSet();
    return *set;
  }

  void Add(const Interface* object) {
    std::lock_guard<std::mutex> guard(lock_);
    objects_.insert(object);
  }
  void Remove(const Interface* object) {
    std::lock_guard<std::mutex> guard(lock_);
    objects_.erase(object);
  }
  // |object| cast to |Impl| when it is one of ours, else null.
  template <class Impl>
  Impl* Find(Interface* object) {
    std::lock_guard<std::mutex> guard(lock_);
    return objects_.count(object) ? static_cast<Impl*>(object) : nullptr;
  }

 private:
  std::mutex lock_;
  std::unordered_set<const Interface*> objects_;  // Guarded by |lock_|.
};

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_V8_LIVE_SET_H_
