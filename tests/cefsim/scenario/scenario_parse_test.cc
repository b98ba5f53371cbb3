// Reading scenario files: what a well-formed file gives, and the line a
// malformed one is refused at.
#include <string>

#include "gtest/gtest.h"
#include "scenario/scenario.h"

namespace cefsim {
namespace browser {
namespace {

using Kind = ScenarioStep::Kind;

TEST(ScenarioParseTest, ReadsApplicationTitleAndStepsInOrder) {
  const std::string text =
      "# The sample application.\r\n"
      "\r\n"
      "app https://app.example/\r\n"
      "title  Sample app  \r\n"
      "load query time\n"
      "  push query echo:{route}\n"
      "load query route\n"
      "push title Sample app - {route}\n"
      "\t# indented comment\n"
      "push query route";
  Scenario scenario;
  std::string error;
  ASSERT_TRUE(ParseScenario(text, &scenario, &error)) << error;
  EXPECT_EQ("https://app.example/", scenario.app_url);
  EXPECT_TRUE(scenario.has_title);
  EXPECT_EQ("Sample app", scenario.title);

  ASSERT_EQ(2u, scenario.on_load.size());
  EXPECT_EQ(Kind::kQuery, scenario.on_load[0].kind);
  EXPECT_EQ("time", scenario.on_load[0].text);
  EXPECT_EQ("route", scenario.on_load[1].text);

  ASSERT_EQ(3u, scenario.on_push.size());
  EXPECT_EQ(Kind::kQuery, scenario.on_push[0].kind);
  EXPECT_EQ("echo:{route}", scenario.on_push[0].text);
  EXPECT_EQ(Kind::kTitle, scenario.on_push[1].kind);
  EXPECT_EQ("Sample app - {route}", scenario.on_push[1].text);
  EXPECT_EQ(Kind::kQuery, scenario.on_push[2].kind);
  EXPECT_EQ("route", scenario.on_push[2].text);
}

TEST(ScenarioParseTest, ReadsTheDocumentFileAndTheShownTexts) {
  const std::string text =
      "app https://app.example/\n"
      "html  ../sample web/index.html \n"
      "show current-route {route}\n"
      "show last-answer  Last: {answer} \n";
  Scenario scenario;
  std::string error;
  ASSERT_TRUE(ParseScenario(text, &scenario, &error)) << error;
  EXPECT_EQ("../sample web/index.html", scenario.html_path);
  ASSERT_EQ(2u, scenario.shown_texts.size());
  EXPECT_EQ("current-route", scenario.shown_texts[0].element_id);
  EXPECT_EQ("{route}", scenario.shown_texts[0].text);
  EXPECT_EQ("last-answer", scenario.shown_texts[1].element_id);
  EXPECT_EQ("Last: {answer}", scenario.shown_texts[1].text);
}

TEST(ScenarioParseTest, ResolvesTheDocumentFromTheScenarioFolder) {
  struct Case {
    const char* base;
    const char* path;
    const char* resolved;
  };
  const Case cases[] = {
      {"Z:/work/examples/host/demo.scenario", "../web/index.html",
       "Z:/work/examples/host/../web/index.html"},
      {"C:\\demo\\app.scenario", "index.html", "C:\\demo\\index.html"},
      {"C:\\demo/app.scenario", "pages\\a.html", "C:\\demo/pages\\a.html"},
      {"Z:/work/demo.scenario", "Z:/elsewhere/a.html", "Z:/elsewhere/a.html"},
      {"Z:/work/demo.scenario", "D:a.html", "D:a.html"},
      {"Z:/work/demo.scenario", "/srv/a.html", "/srv/a.html"},
      {"Z:/work/demo.scenario", "\\\\server\\a.html", "\\\\server\\a.html"},
      {"demo.scenario", "a.html", "a.html"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.resolved, ResolveScenarioPath(c.base, c.path)) << c.path;
}

TEST(ScenarioParseTest, ApplicationWithoutTitleOrSteps) {
  Scenario scenario;
  std::string error;
  ASSERT_TRUE(ParseScenario("app https://app.example/x", &scenario, &error));
  EXPECT_FALSE(scenario.has_title);
  EXPECT_TRUE(scenario.on_load.empty());
  EXPECT_TRUE(scenario.on_push.empty());
}

TEST(ScenarioParseTest, RefusesMalformedFilesNamingTheLine) {
  struct Case {
    const char* name;
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"empty", "", "no \"app\" line"},
      {"only comments", "# app https://a/\n\n", "no \"app\" line"},
      {"steps without app", "load query time\n", "no \"app\" line"},
      {"second app", "app https://a/\napp https://b/\n",
       "line 2: a second \"app\""},
      {"app without URL", "app\n", "line 1: \"app\" needs one URL"},
      {"app with two words", "app https://a/ b\n",
       "line 1: \"app\" needs one URL"},
      {"title without text", "app https://a/\ntitle  \n",
       "line 2: \"title\" needs a text"},
      {"unknown statement", "app https://a/\n\nopen x\n",
       "line 3: unknown statement \"open\""},
      {"step without kind", "app https://a/\nload\n",
       "line 2: a step needs \"query\" or \"title\""},
      {"unknown step", "app https://a/\npush ask x\n",
       "line 2: unknown step \"ask\""},
      {"query without request", "app https://a/\nload query\n",
       "line 2: \"query\" needs a text"},
      {"push title without text", "app https://a/\npush title \n",
       "line 2: \"title\" needs a text"},
      {"second html", "app https://a/\nhtml a.html\nhtml b.html\n",
       "line 3: a second \"html\""},
      {"html without path", "app https://a/\nhtml \n",
       "line 2: \"html\" needs a path"},
      {"show without text", "app https://a/\nshow route\n",
       "line 2: \"show\" needs an element id and a text"},
      {"show without id", "app https://a/\nshow\n",
       "line 2: \"show\" needs an element id and a text"},
      {"error after CRLF lines", "app https://a/\r\n# c\r\nloud query x\r\n",
       "line 3: unknown statement \"loud\""},
  };
  for (const Case& c : cases) {
    Scenario scenario;
    scenario.app_url = "untouched";
    std::string error;
    EXPECT_FALSE(ParseScenario(c.text, &scenario, &error)) << c.name;
    EXPECT_EQ(c.error, error) << c.name;
    EXPECT_EQ("untouched", scenario.app_url) << c.name;
  }
}

TEST(ScenarioParseTest, FillsEveryRoutePlaceholder) {
  struct Case {
    const char* text;
    const char* route;
    const char* filled;
  };
  const Case cases[] = {
      {"route", "/a", "route"},
      {"echo:{route}", "/orders", "echo:/orders"},
      {"{route}", "", ""},
      {"{route}{route} and {route}", "x", "xx and x"},
      {"{rou{route}te}", "-", "{rou-te}"},
      {"{route}", "{route}", "{route}"},  // Not filled again.
      {"{Route} {route", "x", "{Route} {route"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.filled, FillRoute(c.text, c.route)) << c.text;
}

}  // namespace
}  // namespace browser
}  // namespace cefsim
