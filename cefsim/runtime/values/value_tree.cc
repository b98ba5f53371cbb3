#include "values/value_tree.h"

#include <unordered_map>

#include "diagnostics/records.h"

namespace cefsim {
namespace values {
namespace {

// Every live handle, by the node it reaches. Guarded by TreeLock().
std::unordered_multimap<const Node*, NodeHandle*>& Handles() {
  static auto* handles =
      new std::unordered_multimap<const Node*, NodeHandle*>();
  return *handles;
}

void Unregister(const Node* node, NodeHandle* handle) {
  auto range = Handles().equal_range(node);
  for (auto it = range.first; it != range.second; ++it) {
    if (it->second == handle) {
      Handles().erase(it);
      return;
    }
  }
}

}  // namespace

std::recursive_mutex& TreeLock() {
  // Leaked: values may be released by threads still running at exit.
  static auto* lock = new std::recursive_mutex();
  return *lock;
}

Node::~Node() {
  std::lock_guard<std::recursive_mutex> guard(TreeLock());
  auto range = Handles().equal_range(this);
  for (auto it = range.first; it != range.second; ++it)
    it->second->OnNodeDestroyed();
  Handles().erase(this);
  // Children are destroyed after this body and detach their own handles.
}

std::unique_ptr<Node> Node::Clone() const {
  auto copy = std::make_unique<Node>(type);
  copy->bool_value = bool_value;
  copy->int_value = int_value;
  copy->double_value = double_value;
  copy->string_value = string_value;
  copy->binary_value = binary_value;
  for (const auto& entry : dict)
    copy->dict.emplace(entry.first, entry.second->Clone());
  for (const auto& item : list)
    copy->list.push_back(item->Clone());
  return copy;
}

bool Node::Equals(const Node& other) const {
  if (type != other.type)
    return false;
  switch (type) {
    case VTYPE_BOOL:
      return bool_value == other.bool_value;
    case VTYPE_INT:
      return int_value == other.int_value;
    case VTYPE_DOUBLE:
      return double_value == other.double_value;
    case VTYPE_STRING:
      return string_value == other.string_value;
    case VTYPE_BINARY:
      return binary_value == other.binary_value;
    case VTYPE_DICTIONARY: {
      if (dict.size() != other.dict.size())
        return false;
      auto it = other.dict.begin();
      for (const auto& entry : dict) {
        if (entry.first != it->first || !entry.second->Equals(*it->second))
          return false;
        ++it;
      }
      return true;
    }
    case VTYPE_LIST:
      if (list.size() != other.list.size())
        return false;
      for (size_t i = 0; i < list.size(); ++i) {
        if (!list[i]->Equals(*other.list[i]))
          return false;
      }
      return true;
    default:
      return true;
  }
}

NodeHandle::NodeHandle(std::unique_ptr<Node> root, bool read_only)
    : node_(root.get()), owned_root_(std::move(root)), read_only_(read_only) {
  std::lock_guard<std::recursive_mutex> guard(TreeLock());
  if (node_)
    Handles().emplace(node_, this);
}

NodeHandle::NodeHandle(Node* node, bool read_only)
    : node_(node), read_only_(read_only) {
  std::lock_guard<std::recursive_mutex> guard(TreeLock());
  if (node_)
    Handles().emplace(node_, this);
}

NodeHandle::~NodeHandle() {
  std::lock_guard<std::recursive_mutex> guard(TreeLock());
  if (node_)
    Unregister(node_, this);
  node_ = nullptr;
  // Destroying the owned tree invalidates every reference into it.
  owned_root_.reset();
}

bool NodeHandle::VerifyAttached() const {
  if (node_)
    return true;
  ReportViolation("value object accessed after being detached");
  return false;
}

bool NodeHandle::VerifyAccess(bool modify) const {
  if (!VerifyAttached())
    return false;
  if (modify && read_only_) {
    ReportViolation("mutation attempted on read-only value object");
    return false;
  }
  return true;
}

std::unique_ptr<Node> NodeHandle::CopyOrDetach() {
  if (!owned_root_)
    return node_->Clone();
  // The tree moves as it is, so references into it stay valid; only this
  // handle loses it.
  Unregister(node_, this);
  node_ = nullptr;
  return std::move(owned_root_);
}

std::wstring ToWide(const CefString& text) {
  if (!text.c_str())
    return std::wstring();
  return std::wstring(text.c_str(), text.length());
}

CefString FromWide(const std::wstring& text) {
  CefString result;
  result.FromString(text.c_str(), text.size(), true);
  return result;
}

}  // namespace values
}  // namespace cefsim
