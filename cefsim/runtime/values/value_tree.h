// The data behind CefValue, CefBinaryValue, CefDictionaryValue and
// CefListValue, and the bookkeeping that decides which interface objects are
// still valid.
//
// A tree of Nodes is owned by exactly one interface object (its root owner).
// Other interface objects may refer to nodes inside that tree (what
// CefDictionaryValue::GetDictionary returns, for example); they become
// invalid when their node is destroyed. One process-wide lock guards every
// tree, which is simpler than CEF's per-tree controllers and lets a value be
// used from any thread, as CEF allows.
#ifndef CEFSIM_RUNTIME_VALUES_VALUE_TREE_H_
#define CEFSIM_RUNTIME_VALUES_VALUE_TREE_H_

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "include/internal/cef_string.h"
#include "include/internal/cef_types.h"

namespace cefsim {
namespace values {

// Guards every value tree and every handle's link to its node.
std::recursive_mutex& TreeLock();
using TreeGuard = std::lock_guard<std::recursive_mutex>;

// The live objects of one implementation class, so that an interface pointer
// handed in by a caller can be recognised as ours before it is cast (type
// information cannot be used across modules). Guarded by TreeLock().
template <class Interface>
class LiveSet {
 public:
  void Add(Interface* object) { objects_.insert(object); }
  void Remove(Interface* object) { objects_.erase(object); }
  bool Contains(Interface* object) const { return objects_.count(object) > 0; }

 private:
  std::set<Interface*> objects_;
};

struct Node {
  Node() = default;
  explicit Node(cef_value_type_t type) : type(type) {}
  Node(const Node&) = delete;
  Node& operator=(const Node&) = delete;
  // Invalidates every handle that refers to this node.
  ~Node();

  std::unique_ptr<Node> Clone() const;
  bool Equals(const Node& other) const;

  // VTYPE_NULL, _BOOL, _INT, _DOUBLE, _STRING, _BINARY, _DICTIONARY or _LIST;
  // a tree never holds VTYPE_INVALID.
  cef_value_type_t type = VTYPE_NULL;
  bool bool_value = false;
  int int_value = 0;
  double double_value = 0;
  std::wstring string_value;  // UTF-16, as CefString holds it.
  std::vector<uint8_t> binary_value;
  std::map<std::wstring, std::unique_ptr<Node>> dict;
  std::vector<std::unique_ptr<Node>> list;
};

// Base of the interface objects that reach a Node. Either owns the root of a
// tree or refers to a node owned by another handle's tree. All members are
// guarded by TreeLock().
class NodeHandle {
 public:
  NodeHandle(const NodeHandle&) = delete;
  NodeHandle& operator=(const NodeHandle&) = delete;

  // Called by ~Node when the node this handle refers to goes away.
  void OnNodeDestroyed() { node_ = nullptr; }

 protected:
  // Takes ownership of |root|.
  NodeHandle(std::unique_ptr<Node> root, bool read_only);
  // Refers to |node|, owned by another tree.
  NodeHandle(Node* node, bool read_only);
  virtual ~NodeHandle();

  bool attached() const { return node_ != nullptr; }
  bool owns_tree() const { return owned_root_ != nullptr; }
  bool read_only() const { return read_only_; }
  Node* node() const { return node_; }

  // CEF's checks before each access: a detached object is reported; so is
  // a modification of a read-only one. Caller holds TreeLock().
  bool VerifyAttached() const;
  bool VerifyAccess(bool modify) const;

  // IsSame (|by_content| false: both refer to one node) and IsEqual (true:
  // both trees hold equal values) of the container classes. |that| is the
  // interface object compared with; Impl::FromInterface tells whether it is
  // one of ours. Takes TreeLock().
  template <class Impl, class Interface>
  bool CompareWith(Interface* that, bool by_content) const {
    if (!that)
      return false;
    TreeGuard guard(TreeLock());
    const NodeHandle* other = Impl::FromInterface(that);
    if (other == this)
      return true;
    if (!VerifyAttached() || !other)
      return false;
    if (!by_content)
      return other->node_ == node_;
    return other->attached() && other->node_->Equals(*node_);
  }

  // What setting this object into another container stores: the tree itself
  // when this handle owns it (the handle becomes invalid), else a copy.
  // Caller holds TreeLock() and has checked attached().
  std::unique_ptr<Node> CopyOrDetach();

 private:
  Node* node_;
  std::unique_ptr<Node> owned_root_;  // Null for a reference.
  bool read_only_;
};

// Converts between the string types of the interface and of the tree.
std::wstring ToWide(const CefString& text);
CefString FromWide(const std::wstring& text);

}  // namespace values
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_VALUES_VALUE_TREE_H_
