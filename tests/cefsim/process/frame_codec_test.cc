// The field encoding of channel frames.
#include <string>

#include "gtest/gtest.h"
#include "ipc/frame_codec.h"

namespace {

using cefsim::ipc::FrameReader;
using cefsim::ipc::FrameWriter;

TEST(FrameCodec, ReadsBackWhatWasWritten) {
  const std::string binary("a\0b\xff", 4);
  FrameWriter writer(42);
  writer.Int32(-7)
      .Int64(0x123456789abcdefLL)
      .Bool(true)
      .String(binary)
      .String("")
      .Bool(false);
  FrameReader reader(writer.frame());
  EXPECT_EQ(42, reader.kind());
  EXPECT_EQ(-7, reader.Int32());
  EXPECT_EQ(0x123456789abcdefLL, reader.Int64());
  EXPECT_TRUE(reader.Bool());
  EXPECT_EQ(binary, reader.String());
  EXPECT_EQ("", reader.String());
  EXPECT_FALSE(reader.Bool());
  EXPECT_TRUE(reader.Done());
}

TEST(FrameCodec, RejectsTruncatedAndOverlongFrames) {
  const std::string whole =
      FrameWriter(1).Int32(5).String("hello").Int64(9).frame();
  // Every proper prefix of the frame fails somewhere.
  for (size_t size = 0; size < whole.size(); ++size) {
    const std::string cut = whole.substr(0, size);
    FrameReader reader(cut);
    reader.Int32();
    reader.String();
    reader.Int64();
    EXPECT_FALSE(reader.Done()) << "prefix of " << size << " bytes";
  }
  // Bytes left over are not a complete read either.
  const std::string longer = whole + "x";
  FrameReader reader(longer);
  reader.Int32();
  reader.String();
  reader.Int64();
  EXPECT_TRUE(reader.ok());
  EXPECT_FALSE(reader.Done());
  // A bool is a 0 or 1 byte.
  const std::string bad_bool("\x01\x02", 2);
  FrameReader bool_reader(bad_bool);
  bool_reader.Bool();
  EXPECT_FALSE(bool_reader.ok());
}

}  // namespace
