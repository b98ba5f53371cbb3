// Merging the host's proxy arguments: what counts as a change.
#include "orvcef/base/proxy_settings.h"

#include "gtest/gtest.h"

namespace orvcef {
namespace {

TEST(ProxySettingsTest, ChangesOnlyWhatDiffersExactly) {
  struct {
    const char* name;
    ProxySettings stored;
    const wchar_t* server;
    const wchar_t* user;
    const wchar_t* password;
    bool changed;
    ProxySettings after;
  } cases[] = {
      {"nulls on fresh state", {}, nullptr, nullptr, nullptr, false, {}},
      {"empties on fresh state", {}, L"", L"", L"", false, {}},
      {"same texts again",
       {L"p:8080", L"u", L"pw"},
       L"p:8080",
       L"u",
       L"pw",
       false,
       {L"p:8080", L"u", L"pw"}},
      {"server case differs",
       {L"p:8080", L"", L""},
       L"P:8080",
       nullptr,
       nullptr,
       true,
       {L"P:8080", L"", L""}},
      {"trailing space",
       {L"p", L"", L""},
       L"p ",
       L"",
       L"",
       true,
       {L"p ", L"", L""}},
      {"only password",
       {L"p", L"u", L"a"},
       L"p",
       L"u",
       L"b",
       true,
       {L"p", L"u", L"b"}},
      {"null clears server",
       {L"p", L"u", L"a"},
       nullptr,
       L"u",
       L"a",
       true,
       {L"", L"u", L"a"}},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProxySettings stored = c.stored;
    EXPECT_EQ(c.changed,
              MergeProxyArguments(c.server, c.user, c.password, &stored));
    EXPECT_EQ(c.after.server, stored.server);
    EXPECT_EQ(c.after.user, stored.user);
    EXPECT_EQ(c.after.password, stored.password);
  }
}

}  // namespace
}  // namespace orvcef
