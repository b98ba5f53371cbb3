#include "browser/scenario_player.h"

#include <stdio.h>
#include <windows.h>

#include <atomic>
#include <map>
#include <mutex>
#include <vector>

#include "browser/browser_host_impl.h"
#include "browser/frame_impl.h"
#include "browser/navigator.h"
#include "browser/page_outcomes.h"
#include "browser/renderer_link.h"
#include "scenario/scenario.h"
#include "scenario/scenario_route_push.h"
#include "scenario/scenario_transcript.h"
#include "text/utf_convert.h"
#include "threads/threads.h"
#include "web/data_url.h"
#include "web/simulated_web.h"

namespace cefsim {
namespace browser {
namespace {

constexpr int kFirstHttpErrorStatus = 400;

struct Player {
  std::mutex lock;
  // Set once at CefInitialize, before the browser threads start; read on
  // the UI thread from then on, as the scenario and the app URL.
  std::atomic<bool> active{false};
  Scenario scenario;
  std::string app_url;  // Canonical.
  // The page's own cefQuery calls by page query id, until answered.
  // Guarded by |lock|: written on the UI thread, read on pipe threads.
  std::map<int, std::string> requests;
  // The route each browser's page was pushed last. UI thread only.
  std::map<int, std::string> routes;
};

Player& GetPlayer() {
  static Player* player = new Player();
  return *player;
}

bool ReadFileText(const std::wstring& path, std::string* text) {
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (!file)
    return false;
  char buffer[4096];
  size_t count;
  while ((count = fread(buffer, 1, sizeof(buffer), file)) > 0)
    text->append(buffer, count);
  const bool read = !ferror(file);
  fclose(file);
  return read;
}

void ReportScenarioError(const std::wstring& path, const std::string& error) {
  std::string name;
  text::WideToUtf8(path, &name);
  fprintf(stderr, "cefsim: scenario %s: %s\n", name.c_str(), error.c_str());
  fflush(stderr);
}

// The page is the scenario's application: its main frame shows the app.
bool ShowsApp(FrameImpl* frame) {
  return frame && frame->IsMain() && frame->url() == GetPlayer().app_url;
}

// The page runs |steps| for |browser|'s main frame in order. UI thread.
void RunSteps(BrowserHostImpl* browser,
              FrameImpl* frame,
              const std::vector<ScenarioStep>& steps,
              const std::string& route) {
  Player& player = GetPlayer();
  for (const ScenarioStep& step : steps) {
    const std::string text = FillRoute(step.text, route);
    if (step.kind == ScenarioStep::Kind::kTitle) {
      PrintTranscriptLine(TitleLine(text));
      if (Navigator* navigator = browser->navigator())
        navigator->SetTitleFromPage(text);
      continue;
    }
    RendererLink* renderer = browser->renderer();
    if (!renderer) {
      process::PageQueryOutcome outcome;
      outcome.error_message = "no renderer process";
      PrintTranscriptLine(QueryOutcomeLine(text, outcome));
      continue;
    }
    const int id = NextPageQueryId();
    {
      std::lock_guard<std::mutex> guard(player.lock);
      player.requests[id] = text;
    }
    renderer->host()->RunPageQuery(browser->id(), frame->id(), id, text, false);
  }
}

// The UI-thread half of OnScenarioScript.
void RunScriptStep(CefRefPtr<BrowserHostImpl> browser,
                   int64_t frame_id,
                   const std::string& code) {
  if (!RequireUiThread("scenario route push"))
    return;
  std::string route;
  if (!ParseRoutePush(code, &route))
    return;
  CefRefPtr<FrameImpl> frame = browser->FindFrame(frame_id);
  // Before the application's document is there, nobody hears the push.
  if (!ShowsApp(frame.get()))
    return;
  GetPlayer().routes[browser->id()] = route;
  PrintTranscriptLine(RoutePushedLine(route));
  RunSteps(browser.get(), frame.get(), GetPlayer().scenario.on_push, route);
}

}  // namespace

void LoadScenarioFromEnvironment() {
  wchar_t buffer[MAX_PATH * 2] = {};
  const DWORD length =
      GetEnvironmentVariableW(kScenarioVariable, buffer, ARRAYSIZE(buffer));
  if (length == 0 || length >= ARRAYSIZE(buffer))
    return;
  const std::wstring path(buffer, length);
  std::string text;
  if (!ReadFileText(path, &text)) {
    ReportScenarioError(path, "cannot be read");
    return;
  }
  Scenario scenario;
  std::string error;
  if (!ParseScenario(text, &scenario, &error)) {
    ReportScenarioError(path, error);
    return;
  }
  ServedPage page;
  page.has_title = scenario.has_title;
  page.title = scenario.title;
  if (!scenario.html_path.empty()) {
    std::string scenario_path;
    text::WideToUtf8(path, &scenario_path);
    std::wstring html_path;
    text::Utf8ToWide(ResolveScenarioPath(scenario_path, scenario.html_path),
                     &html_path);
    if (!ReadFileText(html_path, &page.html)) {
      ReportScenarioError(
          path, "html file " + scenario.html_path + " cannot be read");
      return;
    }
    if (!page.has_title)
      page.has_title = FindHtmlTitle(page.html, &page.title);
  }
  ServePage(scenario.app_url, page);

  Player& player = GetPlayer();
  std::lock_guard<std::mutex> guard(player.lock);
  player.app_url = CanonicalUrl(scenario.app_url);
  player.scenario = std::move(scenario);
  player.active = true;
}

void OnScenarioFrameLoaded(BrowserHostImpl* browser,
                           FrameImpl* frame,
                           int http_status) {
  if (!GetPlayer().active || !RequireUiThread("OnScenarioFrameLoaded"))
    return;
  if (http_status >= kFirstHttpErrorStatus || !ShowsApp(frame))
    return;
  PrintTranscriptLine(LoadedLine(frame->url()));
  RunSteps(browser, frame, GetPlayer().scenario.on_load,
           GetPlayer().routes[browser->id()]);
}

void OnScenarioScript(CefRefPtr<BrowserHostImpl> browser,
                      int64_t frame_id,
                      const std::string& code) {
  if (!GetPlayer().active)
    return;
  if (CurrentlyOn(TID_UI)) {
    RunScriptStep(browser, frame_id, code);
    return;
  }
  PostTask(TID_UI, [browser, frame_id, code] {
    RunScriptStep(browser, frame_id, code);
  });
}

void OnScenarioQueryOutcome(CefRefPtr<BrowserHostImpl> browser,
                            const process::PageQueryOutcome& outcome) {
  Player& player = GetPlayer();
  std::string request;
  {
    std::lock_guard<std::mutex> guard(player.lock);
    auto it = player.requests.find(outcome.page_query_id);
    if (it == player.requests.end())
      return;  // A query made for a test, or not the page's own.
    request = it->second;
    player.requests.erase(it);
  }
  PrintTranscriptLine(QueryOutcomeLine(request, outcome));
  PostTask(TID_UI, [browser, request, outcome] {
    browser->ShowPageAnswer(request, outcome);
  });
}

std::map<std::string, std::string> ScenarioShownTexts(FrameImpl* frame,
                                                      const PageState& state) {
  std::map<std::string, std::string> texts;
  if (!GetPlayer().active || !RequireUiThread("ScenarioShownTexts") ||
      !ShowsApp(frame)) {
    return texts;
  }
  for (const ScenarioShownText& shown : GetPlayer().scenario.shown_texts)
    texts[shown.element_id] = state.Fill(shown.text);
  return texts;
}

}  // namespace browser
}  // namespace cefsim
