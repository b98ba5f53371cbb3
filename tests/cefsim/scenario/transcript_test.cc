// The transcript's lines: one line per step whatever the texts hold, in the
// form the demo's checks read.
#include <string>

#include "gtest/gtest.h"
#include "query_outcomes.h"
#include "scenario/scenario_transcript.h"

namespace cefsim {
namespace browser {
namespace {

TEST(TranscriptTest, WritesOneQuotedLinePerStep) {
  struct Case {
    std::string line;
    const char* expected;
  };
  const Case cases[] = {
      {LoadedLine("https://app.example/"), "page: loaded https://app.example/"},
      {RoutePushedLine("/orders"), "page: route pushed \"/orders\""},
      {RoutePushedLine("a\"b\nc"), "page: route pushed \"a\\\"b\\nc\""},
      {TitleLine("Sample app - /orders"),
       "page: title \"Sample app - /orders\""},
      {QueryOutcomeLine("time", Success("12:00:01")),
       "page: query \"time\" -> success \"12:00:01\""},
      {QueryOutcomeLine("echo:", Success("")),
       "page: query \"echo:\" -> success \"\""},
      {QueryOutcomeLine("fail", Failure(1, "refused")),
       "page: query \"fail\" -> failure 1 \"refused\""},
      {QueryOutcomeLine("x", Failure(-2, "Session-Not-Ready")),
       "page: query \"x\" -> failure -2 \"Session-Not-Ready\""},
      {QueryOutcomeLine("two\nlines", Failure(-1, "a\r\nb")),
       "page: query \"two\\nlines\" -> failure -1 \"a\\r\\nb\""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, c.line);
}

}  // namespace
}  // namespace browser
}  // namespace cefsim
