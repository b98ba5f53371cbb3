// Writing and reading the fields of one channel frame. Integers are
// little-endian, as both ends run on x86; a string is its u32 byte count and
// its bytes.
#ifndef CEFSIM_RUNTIME_IPC_FRAME_CODEC_H_
#define CEFSIM_RUNTIME_IPC_FRAME_CODEC_H_

#include <stdint.h>

#include <string>

namespace cefsim {
namespace ipc {

class FrameWriter {
 public:
  // Starts a frame of |kind| (see wire_protocol.h).
  explicit FrameWriter(uint8_t kind);

  FrameWriter& Bool(bool value);
  FrameWriter& Int32(int32_t value);
  FrameWriter& Int64(int64_t value);
  FrameWriter& String(const std::string& value);

  const std::string& frame() const { return frame_; }

 private:
  void Append(const void* data, size_t size);

  std::string frame_;
};

// Reads the fields in the order they were written. A read past the end or a
// string longer than what is left marks the reader failed; every later read
// then yields zero or empty.
class FrameReader {
 public:
  // |frame| must outlive the reader.
  explicit FrameReader(const std::string& frame);

  uint8_t kind() const { return kind_; }

  bool Bool();
  int32_t Int32();
  int64_t Int64();
  std::string String();

  // True when every read so far succeeded and the whole frame was consumed.
  bool Done() const { return ok_ && offset_ == frame_.size(); }
  bool ok() const { return ok_; }

 private:
  bool Take(void* out, size_t size);

  const std::string& frame_;  // Not owned.
  size_t offset_ = 0;
  uint8_t kind_ = 0;
  bool ok_ = true;
};

}  // namespace ipc
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_IPC_FRAME_CODEC_H_
