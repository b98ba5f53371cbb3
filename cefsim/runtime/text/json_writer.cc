#include "text/json_writer.h"

#include <cmath>
#include <cstdint>

#include "text/json_string_escape.h"
#include "text/number_to_string.h"

namespace cefsim::text {

namespace {

class Writer {
 public:
  Writer(int options, std::string* out)
      : omit_binary_((options & kJsonWriterOmitBinaryValues) != 0),
        omit_double_type_((options & kJsonWriterOmitDoubleTypePreservation) !=
                          0),
        pretty_((options & kJsonWriterPrettyPrint) != 0),
        out_(out) {}

  bool Write(const JsonValue& node, int depth) {
    if (depth >= kJsonMaxDepth)
      return false;
    switch (node.type()) {
      case JsonValue::Type::kNull:
        out_->append("null");
        return true;
      case JsonValue::Type::kBool:
        out_->append(node.bool_value() ? "true" : "false");
        return true;
      case JsonValue::Type::kInt:
        out_->append(std::to_string(node.int_value()));
        return true;
      case JsonValue::Type::kDouble:
        WriteDouble(node.double_value());
        return true;
      case JsonValue::Type::kString:
        EscapeJsonString(node.string_value(), true, out_);
        return true;
      case JsonValue::Type::kBinary:
        return omit_binary_;
      case JsonValue::Type::kList:
        return WriteList(node.list(), depth);
      case JsonValue::Type::kDict:
        return WriteDict(node.dict(), depth);
    }
    return false;
  }

 private:
  void WriteDouble(double value) {
    if (!std::isfinite(value))
      value = 0;
    if (omit_double_type_ && value >= -9223372036854775808.0 &&
        value < 9223372036854775808.0) {
      const int64_t as_int = static_cast<int64_t>(value);
      if (static_cast<double>(as_int) == value) {
        out_->append(std::to_string(as_int));
        return;
      }
    }
    std::string real = DoubleToShortestString(value);
    // Keep the value a double when read back.
    if (real.find_first_of(".eE") == std::string::npos)
      real.append(".0");
    out_->append(real);
  }

  bool WriteList(const JsonValue::List& list, int depth) {
    out_->push_back('[');
    if (pretty_)
      out_->push_back(' ');
    bool ok = true;
    bool first = true;
    for (const JsonValue& item : list) {
      if (omit_binary_ && item.type() == JsonValue::Type::kBinary)
        continue;
      if (!first) {
        out_->push_back(',');
        if (pretty_)
          out_->push_back(' ');
      }
      if (!Write(item, depth + 1))
        ok = false;
      first = false;
    }
    if (pretty_)
      out_->push_back(' ');
    out_->push_back(']');
    return ok;
  }

  bool WriteDict(const JsonValue::Dict& dict, int depth) {
    out_->push_back('{');
    if (pretty_)
      out_->append(kJsonPrettyPrintLineEnding);
    bool ok = true;
    bool first = true;
    for (const auto& [key, item] : dict) {
      if (omit_binary_ && item.type() == JsonValue::Type::kBinary)
        continue;
      if (!first) {
        out_->push_back(',');
        if (pretty_)
          out_->append(kJsonPrettyPrintLineEnding);
      }
      if (pretty_)
        Indent(depth + 1);
      EscapeJsonString(key, true, out_);
      out_->push_back(':');
      if (pretty_)
        out_->push_back(' ');
      if (!Write(item, depth + 1))
        ok = false;
      first = false;
    }
    if (pretty_) {
      if (!first)
        out_->append(kJsonPrettyPrintLineEnding);
      Indent(depth);
    }
    out_->push_back('}');
    return ok;
  }

  void Indent(int depth) { out_->append(static_cast<size_t>(depth) * 3, ' '); }

  const bool omit_binary_;
  const bool omit_double_type_;
  const bool pretty_;
  std::string* out_;
};

}  // namespace

bool WriteJson(const JsonValue& value, int options, std::string* json) {
  json->clear();
  Writer writer(options, json);
  const bool ok = writer.Write(value, 0);
  if (options & kJsonWriterPrettyPrint)
    json->append(kJsonPrettyPrintLineEnding);
  return ok;
}

}  // namespace cefsim::text
