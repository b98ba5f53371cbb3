#include "values/message_wire_format.h"

#include <cstring>

#include "values/process_message_impl.h"
#include "values/shared_memory_message.h"
#include "values/value_tree.h"

namespace cefsim {
namespace values {
namespace {

constexpr uint8_t kArgumentsKind = 0;
constexpr uint8_t kSharedMemoryKind = 1;
// Deeper nesting than any real message has is treated as corruption.
constexpr int kMaxDepth = 100;

void PutBytes(std::string* out, const void* data, size_t size) {
  out->append(static_cast<const char*>(data), size);
}

void PutU32(std::string* out, uint32_t value) {
  PutBytes(out, &value, sizeof(value));
}

void PutString(std::string* out, const std::wstring& text) {
  PutU32(out, static_cast<uint32_t>(text.size()));
  PutBytes(out, text.data(), text.size() * sizeof(wchar_t));
}

void PutNode(std::string* out, const Node& node) {
  out->push_back(static_cast<char>(node.type));
  switch (node.type) {
    case VTYPE_BOOL:
      out->push_back(node.bool_value ? 1 : 0);
      break;
    case VTYPE_INT:
      PutBytes(out, &node.int_value, sizeof(node.int_value));
      break;
    case VTYPE_DOUBLE:
      PutBytes(out, &node.double_value, sizeof(node.double_value));
      break;
    case VTYPE_STRING:
      PutString(out, node.string_value);
      break;
    case VTYPE_BINARY:
      PutU32(out, static_cast<uint32_t>(node.binary_value.size()));
      PutBytes(out, node.binary_value.data(), node.binary_value.size());
      break;
    case VTYPE_DICTIONARY:
      PutU32(out, static_cast<uint32_t>(node.dict.size()));
      for (const auto& entry : node.dict) {
        PutString(out, entry.first);
        PutNode(out, *entry.second);
      }
      break;
    case VTYPE_LIST:
      PutU32(out, static_cast<uint32_t>(node.list.size()));
      for (const auto& item : node.list)
        PutNode(out, *item);
      break;
    default:
      break;
  }
}

// Reads from a buffer; every read fails once the data runs out.
class Reader {
 public:
  explicit Reader(const std::string& data) : data_(data) {}

  bool Bytes(void* out, size_t size) {
    if (data_.size() - pos_ < size)
      return false;
    std::memcpy(out, data_.data() + pos_, size);
    pos_ += size;
    return true;
  }
  bool U32(uint32_t* value) { return Bytes(value, sizeof(*value)); }
  bool String(std::wstring* text) {
    uint32_t count;
    if (!U32(&count) || (data_.size() - pos_) / sizeof(wchar_t) < count)
      return false;
    text->resize(count);
    return Bytes(&(*text)[0], count * sizeof(wchar_t));
  }
  bool AtEnd() const { return pos_ == data_.size(); }

  std::unique_ptr<Node> ReadNode(int depth) {
    uint8_t type;
    if (depth > kMaxDepth || !Bytes(&type, 1))
      return nullptr;
    auto node = std::make_unique<Node>(static_cast<cef_value_type_t>(type));
    uint32_t count = 0;
    switch (node->type) {
      case VTYPE_NULL:
        return node;
      case VTYPE_BOOL: {
        uint8_t flag;
        if (!Bytes(&flag, 1))
          return nullptr;
        node->bool_value = flag != 0;
        return node;
      }
      case VTYPE_INT:
        return Bytes(&node->int_value, sizeof(int)) ? std::move(node) : nullptr;
      case VTYPE_DOUBLE:
        return Bytes(&node->double_value, sizeof(double)) ? std::move(node)
                                                          : nullptr;
      case VTYPE_STRING:
        return String(&node->string_value) ? std::move(node) : nullptr;
      case VTYPE_BINARY:
        if (!U32(&count) || data_.size() - pos_ < count)
          return nullptr;
        node->binary_value.resize(count);
        return Bytes(node->binary_value.data(), count) ? std::move(node)
                                                       : nullptr;
      case VTYPE_DICTIONARY:
        if (!U32(&count))
          return nullptr;
        for (uint32_t i = 0; i < count; ++i) {
          std::wstring key;
          if (!String(&key))
            return nullptr;
          std::unique_ptr<Node> child = ReadNode(depth + 1);
          if (!child)
            return nullptr;
          node->dict[key] = std::move(child);
        }
        return node;
      case VTYPE_LIST:
        if (!U32(&count))
          return nullptr;
        for (uint32_t i = 0; i < count; ++i) {
          std::unique_ptr<Node> child = ReadNode(depth + 1);
          if (!child)
            return nullptr;
          node->list.push_back(std::move(child));
        }
        return node;
      default:
        return nullptr;
    }
  }

 private:
  const std::string& data_;
  size_t pos_ = 0;
};

}  // namespace

bool EncodeProcessMessage(CefProcessMessage* message,
                          HANDLE target_process,
                          std::string* out) {
  if (!message || !message->IsValid())
    return false;
  const std::wstring name = ToWide(message->GetName());
  if (ProcessMessageImpl* impl = ProcessMessageImpl::FromInterface(message)) {
    std::unique_ptr<Node> arguments = impl->TakeArguments();
    if (!arguments)
      return false;
    out->push_back(kArgumentsKind);
    PutString(out, name);
    PutNode(out, *arguments);
    return true;
  }
  if (SharedMemoryMessage* shared =
          SharedMemoryMessage::FromInterface(message)) {
    HANDLE mapping = shared->TakeMapping();
    if (!mapping)
      return false;
    HANDLE remote = nullptr;
    const BOOL duplicated = DuplicateHandle(
        GetCurrentProcess(), mapping, target_process, &remote, 0, FALSE,
        DUPLICATE_SAME_ACCESS | DUPLICATE_CLOSE_SOURCE);
    if (!duplicated)
      return false;
    out->push_back(kSharedMemoryKind);
    PutString(out, name);
    PutU32(out, static_cast<uint32_t>(shared->size()));
    PutU32(out, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(remote)));
    return true;
  }
  return false;
}

CefRefPtr<CefProcessMessage> DecodeProcessMessage(const std::string& data) {
  Reader reader(data);
  uint8_t kind;
  std::wstring name;
  if (!reader.Bytes(&kind, 1) || !reader.String(&name))
    return nullptr;
  if (kind == kArgumentsKind) {
    std::unique_ptr<Node> arguments = reader.ReadNode(0);
    if (!arguments || arguments->type != VTYPE_LIST || !reader.AtEnd())
      return nullptr;
    return new ProcessMessageImpl(name, std::move(arguments),
                                  /*read_only=*/true);
  }
  uint32_t size, handle;
  if (kind != kSharedMemoryKind || !reader.U32(&size) || !reader.U32(&handle) ||
      !reader.AtEnd()) {
    return nullptr;
  }
  return new SharedMemoryMessage(
      name, reinterpret_cast<HANDLE>(static_cast<uintptr_t>(handle)), size);
}

}  // namespace values
}  // namespace cefsim
