#include "orvcef/base/host_list.h"

#include <cwchar>

namespace orvcef {

std::set<std::wstring> ParseHostList(const wchar_t* list) {
  std::set<std::wstring> hosts;
  for (const wchar_t* entry = list; *entry; entry += wcslen(entry) + 1)
    hosts.insert(entry);
  return hosts;
}

}  // namespace orvcef
