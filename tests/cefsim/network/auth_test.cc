// Authentication challenges from servers and proxies: asked on the IO
// thread, answered from any thread once, and a declined or cancelled
// challenge loads the 401 or 407 response as the page.
#include <string>
#include <thread>
#include <vector>

#include "cefsim/control.h"
#include "cefsim/control_network.h"
#include "cefsim/control_web.h"
#include "network_fixture.h"

namespace cefsim_test {
namespace {

using AuthTest = NetworkTest;

int AuthInt(int index, const char* field) {
  int value = -1;
  EXPECT_EQ(1, cefsim_auth_challenge_int(index, field, &value)) << field;
  return value;
}

TEST_F(AuthTest, ServerChallengeIsAskedOnTheIoThreadAndItsAnswerRecorded) {
  cefsim_web_serve("http://secure.test/doc", 200, "Doc", "");
  cefsim_web_require_auth("http://secure.test/doc", "Staff", "basic", "ann",
                          "pw", 1);
  client_->auth = [](bool, CefRefPtr<CefAuthCallback> callback) {
    callback->Continue("ann", "pw");
    return true;
  };
  CreateBrowser();
  Load("http://secure.test/doc");
  ASSERT_TRUE(client_->WaitFor("LoadEnd http://secure.test/doc 200"));
  EXPECT_TRUE(client_->Has(
      "Auth server http://secure.test/ secure.test:80 Staff basic"));
  EXPECT_TRUE(client_->callbacks_on_expected_threads);
  ASSERT_EQ(1, cefsim_auth_wait_challenges(1, 0));
  EXPECT_EQ(CEFSIM_AUTH_CONTINUED, cefsim_auth_wait_outcome(0, 1000));
  EXPECT_EQ(0, AuthInt(0, "is_proxy"));
  EXPECT_EQ(1, AuthInt(0, "on_io_thread"));
  EXPECT_EQ(1, AuthInt(0, "handled"));
  EXPECT_EQ("ann", ControlText(cefsim_auth_challenge_text, 0, "username"));
  EXPECT_EQ("pw", ControlText(cefsim_auth_challenge_text, 0, "password"));
}

// How a challenge ends decides what the frame gets.
TEST_F(AuthTest, ProxyChallengeOutcomes) {
  cefsim_web_serve("http://site.test/", 200, "Site", "");
  cefsim_proxy_require_auth("proxy.test:3128", "Gate", "basic", "u", "p", 2);
  client_->proxy_on_browse = "proxy.test:3128";
  CreateBrowser();
  struct Row {
    const char* user;  // NULL: the handler declines.
    const char* load_end;
    int challenges;
    int outcome;  // Of the last challenge.
  };
  const std::vector<Row> rows = {
      {nullptr, "LoadEnd http://site.test/ 407", 1, CEFSIM_AUTH_CANCELED},
      // Refused twice, then the proxy gives up: its 407 is the page.
      {"wrong", "LoadEnd http://site.test/ 407", 2, CEFSIM_AUTH_CONTINUED},
      {"u", "LoadEnd http://site.test/ 200", 1, CEFSIM_AUTH_CONTINUED},
      // Chromium caches the pair the proxy took and sends it with every
      // later request: nobody is asked again.
      {"never asked", "LoadEnd http://site.test/ 200", 0, 0},
  };
  int seen = 0;
  for (const Row& row : rows) {
    const std::string user = row.user ? row.user : "";
    client_->auth = [row, user](bool is_proxy,
                                CefRefPtr<CefAuthCallback> callback) {
      if (!row.user || !is_proxy)
        return false;
      callback->Continue(user, "p");
      return true;
    };
    const size_t before = client_->events().size();
    Load("http://site.test/");
    ASSERT_TRUE(orvtest::WaitUntil([&] {
      const auto events = client_->events();
      return events.size() > before && events.back().rfind("LoadEnd", 0) == 0;
    }));
    EXPECT_EQ(row.load_end, client_->events().back()) << user;
    EXPECT_EQ(seen + row.challenges, cefsim_auth_wait_challenges(0, 0)) << user;
    seen += row.challenges;
    if (!row.challenges)
      continue;
    EXPECT_EQ(row.outcome, cefsim_auth_wait_outcome(seen - 1, 1000)) << user;
    EXPECT_EQ(1, AuthInt(seen - 1, "is_proxy"));
    EXPECT_EQ(3128, AuthInt(seen - 1, "port"));
    EXPECT_EQ("proxy.test",
              ControlText(cefsim_auth_challenge_text, seen - 1, "host"));
  }
}

TEST_F(AuthTest, AnswersFromAnyThreadCountOnceAndADroppedCallbackCancels) {
  cefsim_web_serve("http://late.test/", 200, "Late", "");
  cefsim_web_require_auth("http://late.test/", "R", "digest", nullptr, nullptr,
                          1);
  CefRefPtr<CefAuthCallback> kept;
  client_->auth = [&kept](bool, CefRefPtr<CefAuthCallback> callback) {
    kept = callback;
    return true;
  };
  CreateBrowser();
  Load("http://late.test/");
  ASSERT_EQ(1, cefsim_auth_wait_challenges(1, orvtest::kDefaultTimeoutMs));
  ASSERT_TRUE(orvtest::WaitUntil([&] { return kept != nullptr; }));
  std::thread([&] {
    kept->Continue("any", "one");
    kept->Cancel();
  }).join();
  ASSERT_TRUE(client_->WaitFor("LoadEnd http://late.test/ 200"));
  EXPECT_EQ(CEFSIM_AUTH_CONTINUED, cefsim_auth_wait_outcome(0, 1000));
  ASSERT_TRUE(orvtest::WaitUntil(
      [] { return cefsim_note_count("auth-callback-again") == 1; }));
  kept = nullptr;

  // Released without an answer: cancelled, and the 401 loads.
  client_->auth = [](bool, CefRefPtr<CefAuthCallback>) { return true; };
  cefsim_web_require_auth("http://late.test/?again", "R", "digest", nullptr,
                          nullptr, 1);
  Load("http://late.test/?again");
  ASSERT_TRUE(client_->WaitFor("LoadEnd http://late.test/?again 401"));
  EXPECT_EQ(1, cefsim_note_count("auth-callback-released"));
}

}  // namespace
}  // namespace cefsim_test
