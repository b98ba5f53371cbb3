// A test host: orvcef.dll loaded and driven the way a host application does
// it, with the simulated runtime's control interface to act as the web and
// the page and to observe what the kit did.
#ifndef TESTS_ORVCEF_HOST_KIT_HOST_H_
#define TESTS_ORVCEF_HOST_KIT_HOST_H_

#include <windows.h>

#include <stdint.h>

#include <memory>
#include <string>

#include "gtest/gtest.h"
#include "host_message_window.h"
#include "kit_library.h"

namespace orvtest {

// The folder of the test executable, with its trailing backslash: the kit's
// data folder and runtime folder in these tests.
std::wstring ExeFolder();

// Reads a control-interface text getter into a string.
template <class Getter, class... Args>
std::string ControlText(Getter getter, Args... args) {
  const int size = getter(args..., nullptr, 0);
  if (size < 0)
    return std::string();
  std::string text(size + 1, '\0');
  getter(args..., &text[0], size + 1);
  text.resize(size);
  return text;
}

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& text);

// What the page saw for one cefQuery.
struct PageOutcome {
  bool answered = false;
  bool success = false;
  int error_code = 0;
  std::string text;  // UTF-8: the response or the error message.
};

// Outcome |index| of page query |query_id|, waiting for it.
PageOutcome WaitForOutcome(int query_id, int index = 0);

class KitHostTest : public ::testing::Test {
 protected:
  // The start URL every test serves unless it says otherwise.
  static constexpr char kAppUrl[] = "https://app.example/";

  void SetUp() override;
  // Ends the kit as a host must (OrvCefPrevTerm, then OrvCefTerm) unless the
  // test already did.
  void TearDown() override;

  // OrvCefStart with this executable's instance and folder, the given start
  // URL and host list ("a\0b\0\0" form; NULL allowed).
  bool Start(const wchar_t* url = L"https://app.example/",
             const wchar_t* host_list = L"app.example\0",
             DWORD flags = 0);
  // Waits for the main browser's window, its first page and its renderer.
  HWND WaitForMainBrowser();
  // The running kit's OrvCefStart with |url| and |host_list|, then waits
  // until the main browser's navigation has ended and its renderer caught
  // up, so that the page queried next is the new one, not the one it
  // replaces (the URL alone cannot tell them apart when it is the same).
  // False when no navigation ended in time.
  bool StartAgainAndWait(const wchar_t* url, const wchar_t* host_list);
  void Terminate();

  // The simulated runtime's view of the main browser.
  int MainBrowserId() const;
  int64_t MainFrameId() const;
  // The live frame of the main browser that shows |url|; 0 when none.
  int64_t FrameShowing(const std::string& url) const;

  // The page in |frame| (0: the main frame) calls cefQuery and waits for
  // the first answer.
  PageOutcome Query(const std::string& request,
                    int64_t frame = 0,
                    bool persistent = false);

  KitLibrary kit_;
  std::unique_ptr<HostMessageWindow> host_;
  bool terminated_ = false;
};

}  // namespace orvtest

#endif  // TESTS_ORVCEF_HOST_KIT_HOST_H_
