// Process messages: argument-list and shared-memory kinds, as a sender and a
// receiver see them.
#include <cstring>
#include <string>

#include "gtest/gtest.h"
#include "include/cef_process_message.h"
#include "include/cef_shared_process_message_builder.h"
#include "violations.h"

namespace {

TEST(ProcessMessage, StartsWritableWithAnEmptyArgumentList) {
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("ping");
  ASSERT_TRUE(message);
  EXPECT_TRUE(message->IsValid());
  EXPECT_FALSE(message->IsReadOnly());
  EXPECT_EQ("ping", message->GetName().ToString());
  ASSERT_TRUE(message->GetArgumentList());
  EXPECT_EQ(0u, message->GetArgumentList()->GetSize());
  EXPECT_FALSE(message->GetSharedMemoryRegion());
}

TEST(ProcessMessage, CopyIsDeepAndIndependent) {
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("m");
  message->GetArgumentList()->SetString(0, "a");
  CefRefPtr<CefProcessMessage> copy = message->Copy();
  ASSERT_TRUE(copy);
  EXPECT_EQ("m", copy->GetName().ToString());
  copy->GetArgumentList()->SetString(0, "b");
  EXPECT_EQ("a", message->GetArgumentList()->GetString(0).ToString());
  EXPECT_TRUE(message->GetArgumentList()->IsSame(message->GetArgumentList()));
}

TEST(ProcessMessage, EmptyNameIsAViolation) {
  CefProcessMessage::Create("");
  EXPECT_EQ(1, orvtest::TakeViolations("without a name"));
}

TEST(SharedProcessMessageBuilder, BuildsAReadOnlyMessageOverItsMemory) {
  CefRefPtr<CefSharedProcessMessageBuilder> builder =
      CefSharedProcessMessageBuilder::Create("big", 4096);
  ASSERT_TRUE(builder->IsValid());
  ASSERT_EQ(4096u, builder->Size());
  std::memcpy(builder->Memory(), "payload", 8);

  CefRefPtr<CefProcessMessage> message = builder->Build();
  ASSERT_TRUE(message);
  // The builder gives its memory to the message.
  EXPECT_FALSE(builder->IsValid());
  EXPECT_EQ(nullptr, builder->Memory());
  EXPECT_FALSE(builder->Build());

  EXPECT_TRUE(message->IsValid());
  EXPECT_TRUE(message->IsReadOnly());
  EXPECT_EQ("big", message->GetName().ToString());
  EXPECT_FALSE(message->GetArgumentList());
  EXPECT_FALSE(message->Copy());
  CefRefPtr<CefSharedMemoryRegion> region = message->GetSharedMemoryRegion();
  ASSERT_TRUE(region && region->IsValid());
  EXPECT_EQ(4096u, region->Size());
  EXPECT_STREQ("payload", static_cast<const char*>(region->Memory()));
}

TEST(SharedProcessMessageBuilder, ZeroSizeIsInvalid) {
  CefRefPtr<CefSharedProcessMessageBuilder> builder =
      CefSharedProcessMessageBuilder::Create("empty", 0);
  EXPECT_FALSE(builder->IsValid());
  EXPECT_EQ(0u, builder->Size());
  EXPECT_FALSE(builder->Build());
}

}  // namespace
