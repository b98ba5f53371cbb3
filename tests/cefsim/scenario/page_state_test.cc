// What the simulated window shows of a page's state: the route from the
// host's pushes into the main frame, the answers the page's queries got,
// and the texts a scenario's page writes with them.
#include <string>

#include "browser/page_state.h"
#include "gtest/gtest.h"
#include "query_outcomes.h"

namespace cefsim {
namespace browser {
namespace {

TEST(PageStateTest, TheRouteComesFromPushesIntoTheMainFrame) {
  struct Step {
    const char* script;
    bool main_frame;
    bool has_route;  // Afterwards.
    const char* route;
  };
  const Step steps[] = {
      {"document.title = 'x';", true, false, ""},
      {"window.__push(\"/orders\");", false, false, ""},  // A sub-frame.
      {"window.__push(\"/orders\");", true, true, "/orders"},
      {"window.__push(\"/a\\u00e9\\\"b\")", true, true, "/a\xC3\xA9\"b"},
      {"window.__push('/single');", true, true, "/a\xC3\xA9\"b"},
      {"window.__push(\"/x\"); alert(1);", true, true, "/a\xC3\xA9\"b"},
      {"  window.__push ( \"\" ) ;", true, true, ""},
  };
  PageState state;
  for (const Step& step : steps) {
    state.OnScript(step.script, step.main_frame);
    EXPECT_EQ(step.has_route, state.has_route()) << step.script;
    EXPECT_EQ(step.route, state.route()) << step.script;
    EXPECT_EQ(step.script, state.last_script()) << step.script;
  }
}

TEST(PageStateTest, AnswersReadAsThePageShowsThem) {
  struct Step {
    const char* request;
    process::PageQueryOutcome outcome;
    const char* answer;
  };
  const Step steps[] = {
      {"time", Success("12:34:56"), "12:34:56"},
      {"fail", Failure(1, "the host refused this request"),
       "failed with code 1: the host refused this request"},
      {"echo:/a", Success(""), ""},
      {"x", Failure(-1, "The query has been canceled"),
       "failed with code -1: The query has been canceled"},
  };
  PageState state;
  EXPECT_FALSE(state.has_answer());
  for (const Step& step : steps) {
    state.OnAnswer(step.request, step.outcome);
    EXPECT_TRUE(state.has_answer());
    EXPECT_EQ(step.request, state.last_request());
    EXPECT_EQ(step.answer, state.last_answer()) << step.request;
  }
}

TEST(PageStateTest, FillsPlaceholders) {
  PageState state;
  EXPECT_EQ("[] [] [] []",
            state.Fill("[{route}] [{request}] [{answer}] [{answer:time}]"));
  state.OnScript("window.__push(\"/home\");", true);
  state.OnAnswer("time", Success("10:00:00"));
  state.OnAnswer("time", Success("10:00:01"));
  state.OnAnswer("fail", Failure(1, "no"));
  struct Case {
    const char* text;
    const char* filled;
  };
  const Case cases[] = {
      {"Route: {route}", "Route: /home"},
      {"{request} -> {answer}", "fail -> failed with code 1: no"},
      {"{answer:time} / {answer:fail}", "10:00:01 / failed with code 1: no"},
      {"{answer:never}", ""},
      {"{route}{route}", "/home/home"},
      {"{unknown} {route", "{unknown} {route"},
      {"{{route}}", "{/home}"},
      {"{rou{route}te}", "{rou/homete}"},
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.filled, state.Fill(c.text)) << c.text;
  // Filled text is not searched again.
  state.OnScript("window.__push(\"{answer}\");", true);
  EXPECT_EQ("{answer}", state.Fill("{route}"));
}

}  // namespace
}  // namespace browser
}  // namespace cefsim
