// Plays a scenario (scenario.h) as the page of the browsers that show its
// application: after the page loads and after each route push it makes the
// scenario's cefQuery calls through the browser's renderer process and sets
// its titles, and it writes the transcript (scenario_transcript.h).
//
// The browser-process code calls the hooks below; without a scenario they
// do nothing.
#ifndef CEFSIM_RUNTIME_BROWSER_SCENARIO_PLAYER_H_
#define CEFSIM_RUNTIME_BROWSER_SCENARIO_PLAYER_H_

#include <stdint.h>

#include <map>
#include <string>

#include "browser/page_state.h"
#include "include/internal/cef_ptr.h"
#include "process/renderer_host.h"

namespace cefsim {
namespace browser {

class BrowserHostImpl;
class FrameImpl;

// The environment variable that names the scenario file.
constexpr wchar_t kScenarioVariable[] = L"CEFSIM_SCENARIO";

// Reads the scenario file named by CEFSIM_SCENARIO, when it is set, and
// serves its application on the simulated web. A file that cannot be read
// or parsed is reported on standard error and nothing is played.
// CefInitialize's thread, before any browser exists.
void LoadScenarioFromEnvironment();

// The load of |frame| ended with |http_status| (after OnLoadEnd). UI
// thread.
void OnScenarioFrameLoaded(BrowserHostImpl* browser,
                           FrameImpl* frame,
                           int http_status);

// The browser process ran |code| in frame |frame_id| of |browser|
// (CefFrame::ExecuteJavaScript). Any thread: the step runs on the UI
// thread, after the script has gone to the renderer.
void OnScenarioScript(CefRefPtr<BrowserHostImpl> browser,
                      int64_t frame_id,
                      const std::string& code);

// The page of |browser| reported what one of its cefQuery calls received.
// Any thread: the window hears of the scenario's own answers on the UI
// thread.
void OnScenarioQueryOutcome(CefRefPtr<BrowserHostImpl> browser,
                            const process::PageQueryOutcome& outcome);

// What the scenario's page has written into its elements, by element id
// ("show" statements filled from |state|), when |frame| shows the
// application; empty otherwise. UI thread.
std::map<std::string, std::string> ScenarioShownTexts(FrameImpl* frame,
                                                      const PageState& state);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_SCENARIO_PLAYER_H_
