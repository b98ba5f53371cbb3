// What the dictionary and list implementations share: reading one child node
// as the interface types, and turning what a caller passes into a child.
// Every function expects the caller to hold TreeLock().
#ifndef CEFSIM_RUNTIME_VALUES_CHILD_ACCESS_H_
#define CEFSIM_RUNTIME_VALUES_CHILD_ACCESS_H_

#include "include/cef_values.h"
#include "values/value_tree.h"

namespace cefsim {
namespace values {

// |child| may be null (no such key or index): each reader then returns the
// type's empty answer, as CEF does.
CefValueType ChildType(const Node* child);
bool ChildBool(const Node* child);
int ChildInt(const Node* child);
double ChildDouble(const Node* child);
CefString ChildString(const Node* child);
// Containers and binaries come back as references into the tree (they see
// later changes and become invalid when the child goes); simple values come
// back as copies.
CefRefPtr<CefValue> ChildValue(Node* child, bool read_only);
CefRefPtr<CefBinaryValue> ChildBinary(Node* child);
CefRefPtr<CefDictionaryValue> ChildDictionary(Node* child, bool read_only);
CefRefPtr<CefListValue> ChildList(Node* child, bool read_only);

std::unique_ptr<Node> MakeBool(bool value);
std::unique_ptr<Node> MakeInt(int value);
std::unique_ptr<Node> MakeDouble(double value);
std::unique_ptr<Node> MakeString(const CefString& value);
// The node to store for an object a caller passes to a setter: its tree
// when nothing else owns it (the object becomes invalid), else a copy. Null,
// with a violation, for a null, invalid or foreign object.
std::unique_ptr<Node> TakeBinary(CefBinaryValue* value);
std::unique_ptr<Node> TakeDictionary(CefDictionaryValue* value);
std::unique_ptr<Node> TakeList(CefListValue* value);
// For a CefValue: its container as above, or a copy of its simple value.
std::unique_ptr<Node> TakeValue(CefValue* value);

}  // namespace values
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_VALUES_CHILD_ACCESS_H_
