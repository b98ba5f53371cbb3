#include "browser/page_state.h"

#include "scenario/scenario_route_push.h"

namespace cefsim {
namespace browser {
namespace {

constexpr char kAnswerPrefix[] = "answer:";

}  // namespace

std::string DescribePageAnswer(const process::PageQueryOutcome& outcome) {
  if (outcome.success)
    return outcome.response;
  return "failed with code " + std::to_string(outcome.error_code) + ": " +
         outcome.error_message;
}

void PageState::OnScript(const std::string& code, bool main_frame) {
  last_script_ = code;
  std::string route;
  if (main_frame && ParseRoutePush(code, &route)) {
    has_route_ = true;
    route_ = std::move(route);
  }
}

void PageState::OnAnswer(const std::string& request,
                         const process::PageQueryOutcome& outcome) {
  has_answer_ = true;
  last_request_ = request;
  last_answer_ = DescribePageAnswer(outcome);
  answers_[request] = last_answer_;
}

std::string PageState::Fill(const std::string& text) const {
  const std::string answer_prefix = kAnswerPrefix;
  std::string filled;
  size_t start = 0;
  while (start < text.size()) {
    const size_t open = text.find('{', start);
    const size_t close =
        open == std::string::npos ? open : text.find('}', open + 1);
    if (close == std::string::npos)
      break;
    const std::string key = text.substr(open + 1, close - open - 1);
    filled.append(text, start, open - start);
    if (key == "route") {
      filled += route_;
    } else if (key == "request") {
      filled += last_request_;
    } else if (key == "answer") {
      filled += last_answer_;
    } else if (key.compare(0, answer_prefix.size(), answer_prefix) == 0) {
      auto it = answers_.find(key.substr(answer_prefix.size()));
      if (it != answers_.end())
        filled += it->second;
    } else {
      // Not a placeholder: keep the brace and look again after it.
      filled.push_back('{');
      start = open + 1;
      continue;
    }
    start = close + 1;
  }
  filled.append(text, start, std::string::npos);
  return filled;
}

}  // namespace browser
}  // namespace cefsim
