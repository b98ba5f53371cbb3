// Request contexts and their preferences, and the proxy that the effective
// "proxy" preference gives each later request.
#include <string>
#include <vector>

#include "cefsim/control_network.h"
#include "cefsim/control_web.h"
#include "network_fixture.h"
#include "violations.h"

namespace cefsim_test {
namespace {

CefRefPtr<CefValue> ProxyValue(const std::string& mode,
                               const std::string& server) {
  CefRefPtr<CefDictionaryValue> proxy = CefDictionaryValue::Create();
  proxy->SetString("mode", mode);
  if (!server.empty())
    proxy->SetString("server", server);
  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetDictionary(proxy);
  return value;
}

std::string ProxyMode(CefRefPtr<CefRequestContext> context) {
  CefRefPtr<CefValue> value = context->GetPreference("proxy");
  return value ? value->GetDictionary()->GetString("mode").ToString()
               : "<none>";
}

using PreferenceTest = NetworkTest;

TEST_F(PreferenceTest, EveryBrowserUsesTheGlobalContextUnlessGivenAnother) {
  CreateBrowser();
  CefRefPtr<CefRequestContext> global = CefRequestContext::GetGlobalContext();
  ASSERT_TRUE(global);
  EXPECT_TRUE(global->IsGlobal());
  EXPECT_TRUE(global->IsSame(CefRequestContext::GetGlobalContext()));
  CefRefPtr<CefRequestContext> used = browser_->GetHost()->GetRequestContext();
  EXPECT_TRUE(used->IsSame(global));
  EXPECT_TRUE(used->IsGlobal());

  // Sharing the global context without a handler is the global context.
  EXPECT_TRUE(CefRequestContext::CreateContext(global, nullptr)->IsGlobal());

  CefRefPtr<CefRequestContext> own =
      CefRequestContext::CreateContext(CefRequestContextSettings(), nullptr);
  EXPECT_FALSE(own->IsGlobal());
  EXPECT_FALSE(own->IsSame(global));
  CefRefPtr<NetworkClient> other = new NetworkClient();
  client_ = other;
  CreateBrowser(own);
  EXPECT_TRUE(browser_->GetHost()->GetRequestContext()->IsSame(own));
  EXPECT_FALSE(browser_->GetHost()->GetRequestContext()->IsGlobal());
}

TEST_F(PreferenceTest, SetPreferenceFollowsCefChecksOnTheUiThread) {
  CefRefPtr<CefRequestContext> global = CefRequestContext::GetGlobalContext();
  CefRefPtr<CefRequestContext> own =
      CefRequestContext::CreateContext(CefRequestContextSettings(), nullptr);
  CefRefPtr<CefValue> text = CefValue::Create();
  text->SetString("fixed_servers");
  struct Row {
    std::string name;
    CefRefPtr<CefValue> value;
    bool result;
    std::string error;
    std::string mode_after;
  };
  const std::vector<Row> rows = {
      {"proxy", ProxyValue("fixed_servers", "p.test:8080"), true, "keep",
       "fixed_servers"},
      {"proxy", text, false,
       "Trying to set a preference of type DICTIONARY to value of type STRING",
       "fixed_servers"},
      {"no.such.pref", text, false,
       "Trying to modify an unregistered preference", "fixed_servers"},
      {"proxy", nullptr, true, "keep", "system"},
  };
  ASSERT_TRUE(RunOnUi([&] {
    EXPECT_EQ("system", ProxyMode(global));
    EXPECT_TRUE(global->HasPreference("proxy"));
    EXPECT_TRUE(global->CanSetPreference("proxy"));
    EXPECT_FALSE(global->HasPreference("no.such.pref"));
    for (const Row& row : rows) {
      CefString error = "keep";
      EXPECT_EQ(row.result, global->SetPreference(row.name, row.value, error))
          << row.name << " " << row.error;
      EXPECT_EQ(row.error, error.ToString());
      EXPECT_EQ(row.mode_after, ProxyMode(global)) << row.error;
    }
    // Another browser context keeps its own preferences.
    CefString error;
    EXPECT_TRUE(own->SetPreference("proxy", ProxyValue("direct", ""), error));
    EXPECT_EQ("system", ProxyMode(global));
    EXPECT_EQ("direct", ProxyMode(own));

    // Only values set are listed without defaults; names nest at dots.
    EXPECT_EQ(1u, own->GetAllPreferences(false)->GetSize());
    CefRefPtr<CefDictionaryValue> all = own->GetAllPreferences(true);
    EXPECT_TRUE(all->GetDictionary("browser")->GetBool("enable_spellchecking"));
    EXPECT_EQ("direct",
              all->GetDictionary("proxy")->GetString("mode").ToString());
  }));
  ASSERT_EQ(5, cefsim_preference_set_count());
  EXPECT_EQ("{\"mode\":\"fixed_servers\",\"server\":\"p.test:8080\"}",
            ControlText(cefsim_preference_set_value, 0));
  EXPECT_EQ("null", ControlText(cefsim_preference_set_value, 3));
}

TEST_F(PreferenceTest, PreferencesOffTheUiThreadAreRefusedAndReported) {
  CefRefPtr<CefRequestContext> global = CefRequestContext::GetGlobalContext();
  CefString error = "keep";
  EXPECT_FALSE(global->SetPreference(
      "proxy", ProxyValue("fixed_servers", "p.test:1"), error));
  EXPECT_EQ("keep", error.ToString());
  EXPECT_FALSE(global->HasPreference("proxy"));
  EXPECT_FALSE(global->GetPreference("proxy"));
  EXPECT_EQ(3, orvtest::TakeViolations("called off the UI thread"));
  int context_id = 0, on_ui = 1, succeeded = 1;
  ASSERT_EQ(1, cefsim_preference_set_flags(0, &context_id, &on_ui, &succeeded));
  EXPECT_EQ(1, context_id);
  EXPECT_EQ(0, on_ui);
  EXPECT_EQ(0, succeeded);
  ASSERT_TRUE(RunOnUi([&] { EXPECT_EQ("system", ProxyMode(global)); }));

  CefRefPtr<CefPreferenceManager> local =
      CefPreferenceManager::GetGlobalPreferenceManager();
  ASSERT_TRUE(local);
  EXPECT_FALSE(local->CanSetPreference("proxy"));
  EXPECT_EQ(1, orvtest::TakeViolations("called off the UI thread"));
}

// Each navigation's request uses the proxy in effect when it goes out:
// the one OnBeforeBrowse just set, or the system's behind the default.
TEST_F(PreferenceTest, RequestsUseTheEffectiveProxyPreference) {
  cefsim_web_serve("http://app.test/", 200, "App", "");
  cefsim_web_serve("http://localhost/", 200, "Local", "");
  cefsim_system_proxy("system.test:3128");
  CreateBrowser();
  struct Row {
    std::string proxy_on_browse;
    std::string url;
    std::string mode;
    std::string server;
  };
  const std::vector<Row> rows = {
      {"-", "http://app.test/", "system", "system.test:3128"},
      {"proxy.test:8080", "http://app.test/", "fixed_servers",
       "proxy.test:8080"},
      {"http=h.test:1;https=s.test:2", "http://app.test/", "fixed_servers",
       "h.test:1"},
      {"proxy.test:8080", "http://localhost/", "fixed_servers", ""},
      {"-", "http://app.test/", "system", "system.test:3128"},
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    client_->proxy_on_browse = row.proxy_on_browse;
    const std::string done = "LoadEnd " + row.url + " 200";
    const int ends = static_cast<int>(client_->events().size());
    Load(row.url);
    ASSERT_TRUE(orvtest::WaitUntil(
        [&] { return static_cast<int>(client_->events().size()) > ends; }));
    EXPECT_EQ(done, client_->events().back());
    ASSERT_EQ(static_cast<int>(i) + 1, cefsim_network_request_count());
    char mode[64] = {}, server[64] = {};
    ASSERT_EQ(
        1, cefsim_network_request_proxy(static_cast<int>(i), mode, sizeof(mode),
                                        server, sizeof(server)));
    EXPECT_EQ(row.mode, mode) << "row " << i;
    EXPECT_EQ(row.server, server) << "row " << i;
    EXPECT_EQ(row.url,
              ControlText(cefsim_network_request_url, static_cast<int>(i)));
  }
  // data: URLs never reach the network.
  client_->proxy_on_browse.clear();
  Load("data:text/html,x");
  ASSERT_TRUE(client_->WaitFor("LoadEnd data:text/html,x 200"));
  EXPECT_EQ(static_cast<int>(rows.size()), cefsim_network_request_count());
}

TEST(RequestContextTest, GlobalContextNeedsAValidContext) {
  EXPECT_FALSE(CefRequestContext::GetGlobalContext());
  EXPECT_FALSE(CefPreferenceManager::GetGlobalPreferenceManager());
  EXPECT_EQ(2, orvtest::TakeViolations("context not valid"));
}

}  // namespace
}  // namespace cefsim_test
