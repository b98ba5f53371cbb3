// The exports when memory runs out: a host text too large to copy fails the
// call quietly, with its failure value, instead of throwing through the
// host's stack and ending the process.
#include <windows.h>

#include <string>
#include <vector>

#include "hardened_host.h"

namespace orvtest {
namespace {

// Reserves (never commits) every free block of address space of at least
// |smallest| bytes, so that no allocation that large can succeed until the
// hog goes. Smaller allocations still find room in the heaps as they are.
class AddressSpaceHog {
 public:
  explicit AddressSpaceHog(size_t smallest) {
    blocks_.reserve(8192);
    for (size_t size = size_t{256} << 20; size >= smallest; size /= 2) {
      while (blocks_.size() < blocks_.capacity()) {
        void* block = VirtualAlloc(nullptr, size, MEM_RESERVE, PAGE_NOACCESS);
        if (!block)
          break;
        blocks_.push_back(block);
      }
    }
  }
  ~AddressSpaceHog() {
    for (void* block : blocks_)
      VirtualFree(block, 0, MEM_RELEASE);
  }
  AddressSpaceHog(const AddressSpaceHog&) = delete;
  AddressSpaceHog& operator=(const AddressSpaceHog&) = delete;

 private:
  std::vector<void*> blocks_;
};

class ExportMemoryTest : public HardenedHostTest {};

TEST_F(ExportMemoryTest, TextTooLargeToCopyFailsQuietly) {
  StartApp();
  // 16 MiB of UTF-16: every export that keeps or converts it must allocate
  // at least that much in one piece.
  const std::wstring huge(8u << 20, L'x');
  bool started = true;
  {
    AddressSpaceHog hog(1u << 20);
    kit_.SetErrorPage(huge.c_str());
    kit_.SetProxy(huge.c_str(), huge.c_str(), huge.c_str());
    started = kit_.Start(GetModuleHandleW(nullptr), nullptr, huge.c_str(),
                         nullptr, 0);
  }
  EXPECT_FALSE(started);
  // The kit goes on as before.
  EXPECT_TRUE(kit_.Initialized());
  const PageOutcome outcome = Query("still here");
  EXPECT_TRUE(outcome.success);
  EXPECT_EQ("still here", outcome.text);
}

}  // namespace
}  // namespace orvtest
