// What a browser's page has been told and answered, as its window paints
// it: the route the host pushed last, the answers to the page's own
// queries, and the last script the browser process ran in it.
#ifndef CEFSIM_RUNTIME_BROWSER_PAGE_STATE_H_
#define CEFSIM_RUNTIME_BROWSER_PAGE_STATE_H_

#include <map>
#include <string>

#include "process/renderer_host.h"

namespace cefsim {
namespace browser {

// The text a page shows for an outcome, without the request: the answer
// itself, or "failed with code <code>: <message>".
std::string DescribePageAnswer(const process::PageQueryOutcome& outcome);

// Lives in its browser and is used on the UI thread only.
class PageState {
 public:
  // The browser process ran |code| in a frame. A route push in the main
  // frame (window.__push("<route>");) sets the route.
  void OnScript(const std::string& code, bool main_frame);
  // One of the page's queries for |request| got |outcome|.
  void OnAnswer(const std::string& request,
                const process::PageQueryOutcome& outcome);

  bool has_route() const { return has_route_; }
  const std::string& route() const { return route_; }
  // The latest outcome: its request and its text (DescribePageAnswer).
  bool has_answer() const { return has_answer_; }
  const std::string& last_request() const { return last_request_; }
  const std::string& last_answer() const { return last_answer_; }
  const std::string& last_script() const { return last_script_; }

  // |text| with its placeholders filled: "{route}" the route, "{request}"
  // and "{answer}" the latest outcome's request and text,
  // "{answer:<request>}" the latest answer to that request ("" where none
  // came). Other braces stay as written; filled text is not searched
  // again.
  std::string Fill(const std::string& text) const;

 private:
  bool has_route_ = false;
  std::string route_;
  bool has_answer_ = false;
  std::string last_request_;
  std::string last_answer_;
  std::map<std::string, std::string> answers_;  // By request.
  std::string last_script_;
};

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_PAGE_STATE_H_
