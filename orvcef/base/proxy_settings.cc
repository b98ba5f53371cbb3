#include "orvcef/base/proxy_settings.h"

namespace orvcef {

namespace {

// NULL and an empty text both mean none, as an empty stored value does.
bool MergeOne(const wchar_t* argument, std::wstring* stored) {
  const std::wstring text = argument ? argument : L"";
  if (text == *stored)
    return false;
  *stored = text;
  return true;
}

}  // namespace

bool MergeProxyArguments(const wchar_t* server,
                         const wchar_t* user,
                         const wchar_t* password,
                         ProxySettings* stored) {
  // All three are merged whatever the first ones gave.
  const bool server_changed = MergeOne(server, &stored->server);
  const bool user_changed = MergeOne(user, &stored->user);
  const bool password_changed = MergeOne(password, &stored->password);
  return server_changed || user_changed || password_changed;
}

}  // namespace orvcef
