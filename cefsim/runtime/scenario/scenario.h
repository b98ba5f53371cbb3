// A scenario: how a web application behaves when the simulated runtime
// plays it. The runtime reads one from a small text file (see
// LoadScenarioFromEnvironment in scenario_player.h) so that a host can be
// run end to end without a real page.
//
// The file has one statement per line; blank lines and lines starting with
// '#' are skipped, and each text runs to the end of its line:
//
//   app https://app.example/
//   title Sample app
//   html ../sample_web/index.html
//   show current-route {route}
//   load query time
//   push query echo:{route}
//   push title Sample app - {route}
//
// "app" names where the application is served, "title" the title it is
// served with (optional), "html" the file of its document (optional; a
// relative path is taken from the scenario file's folder; without "title"
// the document's <title> is the title). Once the page has loaded it runs
// the "load" steps, and on each window.__push(route) the "push" steps, in
// the order written: "query" calls cefQuery, "title" sets document.title.
// In their text "{route}" stands for the route pushed last ("" before any
// push). "show <id> <text>" says what the page's script writes into the
// element with that id, for the window to paint (placeholders as
// PageState::Fill in page_state.h has them).
#ifndef CEFSIM_RUNTIME_BROWSER_SCENARIO_H_
#define CEFSIM_RUNTIME_BROWSER_SCENARIO_H_

#include <string>
#include <vector>

namespace cefsim {
namespace browser {

struct ScenarioStep {
  enum class Kind { kQuery, kTitle };
  Kind kind = Kind::kQuery;
  std::string text;  // The request or the title, "{route}" not yet filled.
};

// A "show" statement: the text the page puts into one element.
struct ScenarioShownText {
  std::string element_id;
  std::string text;  // Placeholders not yet filled.
};

struct Scenario {
  std::string app_url;  // As written; the player canonicalises it.
  bool has_title = false;
  std::string title;
  std::string html_path;  // As written; empty: the document is empty.
  std::vector<ScenarioShownText> shown_texts;
  std::vector<ScenarioStep> on_load;
  std::vector<ScenarioStep> on_push;
};

// Parses a scenario file's |text|. On failure returns false with |*error|
// naming the line ("line 3: ...").
bool ParseScenario(const std::string& text,
                   Scenario* scenario,
                   std::string* error);

// |text| with every "{route}" replaced by |route|.
std::string FillRoute(const std::string& text, const std::string& route);

// |path| (UTF-8) taken from the folder of the file |base_file|: unchanged
// when it is absolute (a drive letter, or a leading slash or backslash) or
// when |base_file| names no folder. '/' and backslash both end a folder.
std::string ResolveScenarioPath(const std::string& base_file,
                                const std::string& path);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_SCENARIO_H_
