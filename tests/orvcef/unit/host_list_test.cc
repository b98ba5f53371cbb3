// Host lists as OrvCefStart receives them: names each ended by NUL, the list
// ended by one more.
#include "orvcef/base/host_list.h"

#include <set>
#include <string>

#include "gtest/gtest.h"

namespace orvcef {
namespace {

struct HostListCase {
  const char* name;
  std::wstring list;  // Written with explicit NULs; one more is appended.
  std::set<std::wstring> expected;
};

TEST(HostListTest, ParsesDoubleNulTerminatedLists) {
  const HostListCase cases[] = {
      {"two names",
       std::wstring(L"a.example\0b.example\0", 20),
       {L"a.example", L"b.example"}},
      {"single NUL empties", std::wstring(), {}},
      {"duplicates collapse",
       std::wstring(L"x.test\0x.test\0y\0", 16),
       {L"x.test", L"y"}},
      {"case and spaces kept",
       std::wstring(L"Host.Test\0 host.test\0", 21),
       {L"Host.Test", L" host.test"}},
      {"stops at first empty name",
       std::wstring(L"first\0\0second\0", 14),
       {L"first"}},
      {"non-ASCII kept",
       std::wstring(L"\u4f8b\u3048.jp\0", 6),
       {L"\u4f8b\u3048.jp"}},
  };
  for (const HostListCase& row : cases) {
    std::wstring list = row.list;
    list.push_back(L'\0');
    EXPECT_EQ(row.expected, ParseHostList(list.c_str())) << row.name;
  }
}

}  // namespace
}  // namespace orvcef
