// RendererHost against a real renderer: this test program started again as
// its own child process.
#include <windows.h>

#include <memory>

#include "gtest/gtest.h"
#include "process/renderer_host.h"
#include "recording_delegate.h"
#include "wait.h"

namespace {

using cefsim::process::RendererHost;
using cefsim::process::TerminationStatus;

class RendererHostTest : public testing::Test {
 protected:
  void SetUp() override {
    host_ = RendererHost::Launch(std::wstring(), &delegate_);
    ASSERT_TRUE(host_);
  }

  // A handle that outlives the host, to watch the child end.
  HANDLE OpenChild() {
    return OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                       host_->process_id());
  }

  orvtest::RecordingDelegate delegate_;
  std::unique_ptr<RendererHost> host_;
};

TEST_F(RendererHostTest, AcknowledgesSyncsInTheOrderSent) {
  EXPECT_NE(0u, host_->process_id());
  EXPECT_NE(GetCurrentProcessId(), host_->process_id());
  for (int id = 1; id <= 5; ++id)
    host_->Sync(id);
  ASSERT_TRUE(
      orvtest::WaitUntil([&] { return delegate_.synced().size() == 5; }));
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), delegate_.synced());
  EXPECT_TRUE(delegate_.gone().empty());
}

TEST_F(RendererHostTest, KillIsReportedOnceAsKilled) {
  HANDLE child = OpenChild();
  ASSERT_TRUE(child);
  host_->Kill();
  ASSERT_TRUE(orvtest::WaitUntil([&] { return !delegate_.gone().empty(); }));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(child, 0));
  CloseHandle(child);
  // Requests to a dead renderer go nowhere and report nothing more.
  host_->Sync(1);
  host_->Kill();
  host_.reset();
  EXPECT_EQ(
      (std::vector<TerminationStatus>{TerminationStatus::kProcessWasKilled}),
      delegate_.gone());
  EXPECT_TRUE(delegate_.synced().empty());
}

TEST_F(RendererHostTest, ChildEndsWhenTheHostIsDestroyed) {
  ASSERT_TRUE(delegate_.SyncWith(host_.get(), 1));
  HANDLE child = OpenChild();
  ASSERT_TRUE(child);
  host_.reset();
  EXPECT_EQ(WAIT_OBJECT_0,
            WaitForSingleObject(child, orvtest::kDefaultTimeoutMs));
  DWORD exit_code = STILL_ACTIVE;
  EXPECT_TRUE(GetExitCodeProcess(child, &exit_code));
  EXPECT_EQ(0u, exit_code);
  CloseHandle(child);
  // Closing the pipe on purpose is no renderer death.
  EXPECT_TRUE(delegate_.gone().empty());
}

TEST(RendererHostLaunch, ProgramThatCannotStartGivesNoHost) {
  orvtest::RecordingDelegate delegate;
  EXPECT_FALSE(
      RendererHost::Launch(L"C:\\no\\such\\folder\\renderer.exe", &delegate));
  EXPECT_TRUE(delegate.gone().empty());
}

}  // namespace
