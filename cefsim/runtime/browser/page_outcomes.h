// What pages reported back from their renderer process: the outcomes of
// cefQuery calls made for tests, and acknowledgements of sync requests.
// Written on pipe threads, read and waited for by the control interface.
#ifndef CEFSIM_RUNTIME_BROWSER_PAGE_OUTCOMES_H_
#define CEFSIM_RUNTIME_BROWSER_PAGE_OUTCOMES_H_

#include <vector>

#include "process/renderer_host.h"

namespace cefsim {
namespace browser {

void RecordPageQueryOutcome(int browser_id,
                            const process::PageQueryOutcome& outcome);
void RecordRendererSynced(int request_id);

// Waits until |page_query_id| has at least |count| outcomes, or the timeout
// runs out; returns what has arrived by then.
std::vector<process::PageQueryOutcome> WaitPageQueryOutcomes(int page_query_id,
                                                             int count,
                                                             int timeout_ms);
// Drops the outcomes of |page_query_id|; returns how many there were.
int ForgetPageQueryOutcomes(int page_query_id);
// A new id for a page query made through the control interface.
int NextPageQueryId();
// Waits for the acknowledgement of |request_id|, which it then forgets.
bool WaitRendererSynced(int request_id, int timeout_ms);
int NextSyncRequestId();

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_PAGE_OUTCOMES_H_
