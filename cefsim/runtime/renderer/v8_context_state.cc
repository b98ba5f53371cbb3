#include "renderer/v8_context_state.h"

#include <utility>

namespace cefsim {
namespace renderer {

ContextState::ContextState(CefRefPtr<CefBrowser> browser,
                           CefRefPtr<CefFrame> frame)
    : thread_id_(GetCurrentThreadId()), browser_(browser), frame_(frame) {
  global_ = NewObject(ObjectData::Kind::kPlain, /*user_created=*/false);
}

ContextState::~ContextState() {
  End();
}

bool ContextState::BelongsToCurrentThread() const {
  return GetCurrentThreadId() == thread_id_;
}

CefRefPtr<ObjectData> ContextState::NewObject(ObjectData::Kind kind,
                                              bool user_created) {
  CefRefPtr<ObjectData> object(new ObjectData(kind, this, user_created));
  if (valid_)
    objects_.push_back(object);
  else
    object->Detach();
  return object;
}

void ContextState::End() {
  if (!valid_)
    return;
  valid_ = false;
  std::vector<CefRefPtr<ObjectData>> objects = std::move(objects_);
  objects_.clear();
  for (const auto& object : objects)
    object->Detach();
  global_ = nullptr;
  browser_ = nullptr;
  frame_ = nullptr;
}

}  // namespace renderer
}  // namespace cefsim
