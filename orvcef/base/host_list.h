// Parsing the host list that OrvCefStart receives.
#ifndef ORVCEF_BASE_HOST_LIST_H_
#define ORVCEF_BASE_HOST_LIST_H_

#include <set>
#include <string>

namespace orvcef {

// |list| (not null) is a sequence of zero-terminated names ended by an empty
// one. Each name is taken exactly as written, without case folding or
// trimming; a name given twice is held once. A list that starts with its
// terminator gives the empty set.
std::set<std::wstring> ParseHostList(const wchar_t* list);

}  // namespace orvcef

#endif  // ORVCEF_BASE_HOST_LIST_H_
