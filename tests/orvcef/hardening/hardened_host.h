// The test host of the hardening tests: the kit started on one allowed
// application page, with the bookkeeping these tests share (queries sent
// without waiting, and the check that each was answered exactly once).
#ifndef TESTS_ORVCEF_HARDENING_HARDENED_HOST_H_
#define TESTS_ORVCEF_HARDENING_HARDENED_HOST_H_

#include <stdint.h>

#include <string>
#include <vector>

#include "kit_host.h"

namespace orvtest {

// UTF-16 text as the runtime's own converter turns it into UTF-8: lone
// surrogates become U+FFFD there, as in CEF.
std::string RuntimeUtf8(const std::wstring& text);

// The hostile texts every export is fed, by name.
struct HostileText {
  const char* name;
  const wchar_t* text;  // NULL for the NULL row.
};
const std::vector<HostileText>& HostileTexts();

class HardenedHostTest : public KitHostTest {
 protected:
  void TearDown() override;

  // Starts on the application page and waits until the page can query.
  void StartApp(const wchar_t* host_list = L"app.example\0");

  // The page of |browser| (0: the main browser) in |frame| (0: its main
  // frame) calls cefQuery without waiting; the id is remembered for
  // ExpectEachAnsweredOnce.
  int SendQuery(const std::string& request, int browser = 0, int64_t frame = 0);

  // Every query sent with SendQuery since |first| got exactly one answer:
  // each is waited for, then a round trip through the page of
  // |sync_browser| (0: the main browser) proves that no second one is on
  // its way.
  void ExpectEachAnsweredOnce(size_t first = 0, int sync_browser = 0);

  // The page of the main browser starts a download of |name| (|hold|: it
  // stops before its last bytes), which the save dialog places in the
  // test's download folder. Returns the download's id.
  int StartDownload(const std::string& name, bool hold);

  std::vector<int> sent_queries_;
};

}  // namespace orvtest

#endif  // TESTS_ORVCEF_HARDENING_HARDENED_HOST_H_
