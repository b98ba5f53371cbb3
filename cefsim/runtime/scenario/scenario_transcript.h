// The transcript of what the simulated page does while a scenario plays:
// one readable line per step on standard output, prefixed "page: ", so that
// it interleaves with a host's own console lines.
#ifndef CEFSIM_RUNTIME_BROWSER_SCENARIO_TRANSCRIPT_H_
#define CEFSIM_RUNTIME_BROWSER_SCENARIO_TRANSCRIPT_H_

#include <string>

#include "process/renderer_host.h"

namespace cefsim {
namespace browser {

// The lines, without the newline. Texts are quoted as JSON strings, so a
// line stays one line whatever the page or the host sent.
std::string LoadedLine(const std::string& url);
std::string RoutePushedLine(const std::string& route);
std::string TitleLine(const std::string& title);
std::string QueryOutcomeLine(const std::string& request,
                             const process::PageQueryOutcome& outcome);

// Writes |line| and a newline to standard output and flushes it, whole
// even when several threads write. Any thread.
void PrintTranscriptLine(const std::string& line);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_SCENARIO_TRANSCRIPT_H_
