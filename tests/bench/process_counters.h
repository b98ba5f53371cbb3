// The resources this process holds, as Task Manager shows them.
#ifndef TESTS_BENCH_PROCESS_COUNTERS_H_
#define TESTS_BENCH_PROCESS_COUNTERS_H_

#include <stdint.h>

#include <string>
#include <vector>

namespace orvbench {

// Wine reports no private bytes (PrivateUsage is 0), no handle count and no
// USER or GDI object counts; where it does not, the figures it can give
// stand beside them: the bytes the process's heaps hold, the handles that
// answer GetHandleInformation and the windows of the process.
struct ProcessCounters {
  double private_bytes = 0;
  // Bytes in blocks in use in every heap of the process (HeapWalk).
  double heap_bytes = 0;
  double handles = 0;
  double user_objects = 0;
  double gdi_objects = 0;
  double threads = 0;
  // Windows of this process's threads, top-level, child and message-only:
  // the USER objects a count can see where GetGuiResources has none.
  double windows = 0;
  // The values of the open handles, ascending.
  std::vector<uintptr_t> open_handles;
};

ProcessCounters ReadProcessCounters();

// Prints each counter of |before| and |after| and their difference as
// "<name>.<counter>.before", ".after" and ".growth", then how many handles
// opened between them are still open, by object type, as
// "<name>.new_handles.<type>".
void PrintCounterGrowth(const std::string& name,
                        const ProcessCounters& before,
                        const ProcessCounters& after);

}  // namespace orvbench

#endif  // TESTS_BENCH_PROCESS_COUNTERS_H_
