// When the host's proxy credentials are offered, and when a proxy that
// turned them down is refused instead.
#include "orvcef/network/proxy_challenges.h"

#include <string>

#include "gtest/gtest.h"
#include "orvcef/base/library_state.h"

namespace orvcef {
namespace {

TEST(ProxyChallengesTest, OffersEachPairOncePerProxyBetweenLoads) {
  ProxyChallenges challenges;
  struct Step {
    const char* name;
    const wchar_t* host;
    int port;
    uint64_t generation;
    bool load_before;  // A page loaded just before this challenge.
    bool offered;
  } steps[] = {
      {"first challenge", L"proxy", 8080, 1, false, true},
      {"same proxy again: the pair was refused", L"proxy", 8080, 1, false,
       false},
      {"and again", L"proxy", 8080, 1, false, false},
      {"another port is another proxy", L"proxy", 3128, 1, false, true},
      {"another host is another proxy", L"other", 8080, 1, false, true},
      {"a new pair from the host", L"proxy", 8080, 2, false, true},
      {"the new pair refused too", L"proxy", 8080, 2, false, false},
      {"after a page loaded", L"proxy", 8080, 2, true, true},
      {"refused after that load", L"proxy", 8080, 2, false, false},
      {"the other proxy after the load", L"other", 8080, 1, false, true},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    if (step.load_before)
      challenges.OnSuccessfulLoad();
    EXPECT_EQ(step.offered,
              challenges.ShouldOffer(step.host, step.port, step.generation));
  }
}

TEST(ProxyChallengesTest, RemembersABoundedNumberOfProxies) {
  // Many proxies in turn: each is remembered until kMaxProxies newer ones
  // push it out, so the bookkeeping never grows past that.
  ProxyChallenges challenges;
  const int kProxies = 1000;
  for (int i = 0; i < kProxies; ++i)
    ASSERT_TRUE(challenges.ShouldOffer(L"p" + std::to_wstring(i), 80, 1));
  for (int i = kProxies - 1;
       i >= kProxies - static_cast<int>(ProxyChallenges::kMaxProxies); --i) {
    EXPECT_FALSE(challenges.ShouldOffer(L"p" + std::to_wstring(i), 80, 1)) << i;
  }
  // The first one was forgotten long ago and is asked afresh.
  EXPECT_TRUE(challenges.ShouldOffer(L"p0", 80, 1));
}

TEST(ProxyChallengesTest, StoredPairGetsANewGenerationOnlyWhenItChanges) {
  LibraryState state;
  const uint64_t first = state.proxy().generation;
  EXPECT_FALSE(state.UpdateProxy(nullptr, nullptr, nullptr));
  EXPECT_EQ(first, state.proxy().generation);
  EXPECT_TRUE(state.UpdateProxy(L"p:1", L"u", L"pw"));
  const uint64_t second = state.proxy().generation;
  EXPECT_NE(first, second);
  EXPECT_FALSE(state.UpdateProxy(L"p:1", L"u", L"pw"));
  EXPECT_EQ(second, state.proxy().generation);
  EXPECT_TRUE(state.UpdateProxy(L"p:1", L"u", L"pw2"));
  EXPECT_NE(second, state.proxy().generation);
}

}  // namespace
}  // namespace orvcef
