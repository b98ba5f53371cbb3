// A small JSON value tree that the runtime maps CefValue onto for writing.

#ifndef CEFSIM_RUNTIME_TEXT_JSON_VALUE_H_
#define CEFSIM_RUNTIME_TEXT_JSON_VALUE_H_

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace cefsim::text {

class JsonValue {
 public:
  enum class Type {
    kNull,
    kBool,
    kInt,
    kDouble,
    kString,
    kBinary,
    kList,
    kDict
  };
  using List = std::vector<JsonValue>;
  using Dict = std::map<std::string, JsonValue>;

  JsonValue() = default;
  explicit JsonValue(bool value) : type_(Type::kBool), bool_(value) {}
  explicit JsonValue(int value) : type_(Type::kInt), int_(value) {}
  explicit JsonValue(double value) : type_(Type::kDouble), double_(value) {}
  explicit JsonValue(std::string value)
      : type_(Type::kString), string_(std::move(value)) {}
  explicit JsonValue(const char* value) : JsonValue(std::string(value)) {}
  explicit JsonValue(List value)
      : type_(Type::kList), list_(std::move(value)) {}
  explicit JsonValue(Dict value)
      : type_(Type::kDict), dict_(std::move(value)) {}

  // Binary data has no JSON form; the writer fails on it or skips it.
  static JsonValue Binary(std::string bytes) {
    JsonValue v;
    v.type_ = Type::kBinary;
    v.string_ = std::move(bytes);
    return v;
  }

  Type type() const { return type_; }
  bool bool_value() const { return bool_; }
  int int_value() const { return int_; }
  double double_value() const { return double_; }
  // UTF-8 text of a string, bytes of a binary value.
  const std::string& string_value() const { return string_; }
  const List& list() const { return list_; }
  List& list() { return list_; }
  const Dict& dict() const { return dict_; }
  Dict& dict() { return dict_; }

 private:
  Type type_ = Type::kNull;
  bool bool_ = false;
  int int_ = 0;
  double double_ = 0;
  std::string string_;
  List list_;
  Dict dict_;
};

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_JSON_VALUE_H_
