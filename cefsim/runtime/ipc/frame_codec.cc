#include "ipc/frame_codec.h"

#include <string.h>

namespace cefsim {
namespace ipc {

FrameWriter::FrameWriter(uint8_t kind) {
  Append(&kind, sizeof(kind));
}

FrameWriter& FrameWriter::Bool(bool value) {
  const uint8_t byte = value ? 1 : 0;
  Append(&byte, sizeof(byte));
  return *this;
}

FrameWriter& FrameWriter::Int32(int32_t value) {
  Append(&value, sizeof(value));
  return *this;
}

FrameWriter& FrameWriter::Int64(int64_t value) {
  Append(&value, sizeof(value));
  return *this;
}

FrameWriter& FrameWriter::String(const std::string& value) {
  const uint32_t size = static_cast<uint32_t>(value.size());
  Append(&size, sizeof(size));
  Append(value.data(), value.size());
  return *this;
}

void FrameWriter::Append(const void* data, size_t size) {
  frame_.append(static_cast<const char*>(data), size);
}

FrameReader::FrameReader(const std::string& frame) : frame_(frame) {
  Take(&kind_, sizeof(kind_));
}

bool FrameReader::Bool() {
  uint8_t byte = 0;
  Take(&byte, sizeof(byte));
  if (byte > 1)
    ok_ = false;
  return ok_ && byte == 1;
}

int32_t FrameReader::Int32() {
  int32_t value = 0;
  return Take(&value, sizeof(value)) ? value : 0;
}

int64_t FrameReader::Int64() {
  int64_t value = 0;
  return Take(&value, sizeof(value)) ? value : 0;
}

std::string FrameReader::String() {
  uint32_t size = 0;
  if (!Take(&size, sizeof(size)))
    return std::string();
  if (size > frame_.size() - offset_) {
    ok_ = false;
    return std::string();
  }
  std::string value = frame_.substr(offset_, size);
  offset_ += size;
  return value;
}

bool FrameReader::Take(void* out, size_t size) {
  if (!ok_ || size > frame_.size() - offset_) {
    ok_ = false;
    return false;
  }
  memcpy(out, frame_.data() + offset_, size);
  offset_ += size;
  return true;
}

}  // namespace ipc
}  // namespace cefsim
