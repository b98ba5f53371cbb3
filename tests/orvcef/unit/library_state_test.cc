// The library state under concurrent use from host threads and CEF's UI
// thread, and its initial values.
#include "orvcef/base/library_state.h"

#include <atomic>
#include <cwchar>
#include <string>
#include <thread>

#include "gtest/gtest.h"

namespace orvcef {
namespace {

TEST(LibraryStateTest, StartsWithBuiltInErrorPageAndEmptyTexts) {
  LibraryState state;
  EXPECT_EQ(137u, wcslen(kDefaultErrorPage));
  EXPECT_EQ(kDefaultErrorPage, state.error_page());
  EXPECT_EQ(L"", state.start_url().url);
  EXPECT_EQ(L"", state.current_route());
  EXPECT_TRUE(state.allowed_hosts().empty());
  EXPECT_FALSE(state.initialized());
  EXPECT_EQ(nullptr, state.message_window());
}

TEST(LibraryStateTest, StartUrlSerialGrowsWithEveryStore) {
  LibraryState state;
  const uint64_t before = state.start_url().serial;
  state.set_start_url(L"https://a.test/");
  state.set_start_url(L"https://a.test/");
  EXPECT_EQ(before + 2, state.start_url().serial);
  EXPECT_EQ(L"https://a.test/", state.start_url().url);
}

// A writer swaps long texts, host sets and proxy values while a reader
// checks that every value it sees is one of those written whole.
TEST(LibraryStateTest, ReadersNeverSeeHalfWrittenValues) {
  LibraryState state;
  const std::wstring route_a(4096, L'a');
  const std::wstring route_b(8192, L'b');
  const std::set<std::wstring> hosts_a = {L"a.test"};
  const std::set<std::wstring> hosts_b = {L"b.test", L"c.test"};
  state.set_current_route(route_a);
  state.set_allowed_hosts(hosts_a);
  state.set_error_page(route_a);
  state.UpdateProxy(route_a.c_str(), route_a.c_str(), route_a.c_str());

  std::atomic<bool> done{false};
  std::thread writer([&] {
    for (int i = 0; i < 20000; ++i) {
      const std::wstring& text = i % 2 ? route_a : route_b;
      state.set_current_route(text);
      state.set_allowed_hosts(i % 2 ? hosts_a : hosts_b);
      state.set_error_page(text);
      state.UpdateProxy(text.c_str(), text.c_str(), text.c_str());
    }
    done = true;
  });
  int torn = 0;
  int reads = 0;
  while (!done || reads < 100) {
    const std::wstring route = state.current_route();
    if (route != route_a && route != route_b)
      ++torn;
    const std::set<std::wstring> hosts = state.allowed_hosts();
    if (hosts != hosts_a && hosts != hosts_b)
      ++torn;
    const std::wstring page = state.error_page();
    if (page != route_a && page != route_b)
      ++torn;
    // The three proxy values change together, in one step.
    const ProxySettings proxy = state.proxy();
    if ((proxy.server != route_a && proxy.server != route_b) ||
        proxy.user != proxy.server || proxy.password != proxy.server) {
      ++torn;
    }
    ++reads;
  }
  writer.join();
  EXPECT_EQ(0, torn) << "of " << reads << " reads";
}

}  // namespace
}  // namespace orvcef
