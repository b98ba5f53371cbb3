// Replies a host should not write, or writes at the very edge of its
// buffer: each query is answered exactly once and the kit reads the buffer
// to its end at most.
#include <windows.h>

#include <cstring>
#include <cwctype>
#include <string>

#include "cefsim/control_page.h"
#include "hardened_host.h"
#include "include/internal/cef_string.h"
#include "orvcef/include/orvcef.h"
#include "wait.h"

namespace orvtest {
namespace {

constexpr size_t kBufferSize = ORVCEF_REPLY_BUFFER_SIZE;

// UTF-8 bytes decoded by the runtime's converter, as the page receives them.
std::string AsPageSeesIt(const std::string& bytes) {
  return CefString(bytes).ToString();
}

struct ReplyCase {
  const char* name;
  std::string bytes;  // What the host writes, terminator included if any.
  bool success;
  int error_code;
  std::string text;  // The page's text, before conversion.
};

std::vector<ReplyCase> ReplyCases() {
  const std::string full_ok = "ok:" + std::string(kBufferSize - 3, 'y');
  std::string split_tail = "ok:" + std::string(kBufferSize - 4, 'z');
  split_tail += '\xE4';  // The lead byte of a three-byte sequence, cut off.
  const std::string longest_text(kBufferSize - 1, 'f');
  return {
      {"ok: fills the buffer, no terminator", full_ok, true, 0,
       full_ok.substr(3)},
      {"buffer ends inside a UTF-8 sequence", split_tail, true, 0,
       split_tail.substr(3)},
      {"1 MiB - 1 bytes and terminator", longest_text + '\0', false, 1,
       longest_text},
      {"overlong encoding", std::string("ok:\xC0\xAF!") + '\0', true, 0,
       "\xC0\xAF!"},
      {"UTF-16 surrogate in UTF-8", std::string("ok:\xED\xA0\x80.") + '\0',
       true, 0, "\xED\xA0\x80."},
      {"beyond U+10FFFF", std::string("ok:\xF4\x90\x80\x80") + '\0', true, 0,
       "\xF4\x90\x80\x80"},
      {"five-byte form", std::string("\xF8\x88\x80\x80\x80") + '\0', false, 1,
       "\xF8\x88\x80\x80\x80"},
      {"lone continuation bytes", std::string("\x80\xBF") + '\0', false, 1,
       "\x80\xBF"},
      {"sequence cut by the terminator", std::string("ok:\xE4\xB8") + '\0',
       true, 0, "\xE4\xB8"},
      {"text after the terminator", std::string("ok:ab\0cd", 8) + '\0', true, 0,
       "ab"},
      {"terminator first", std::string("\0ok:x", 5), false, -1, "Unknown"},
      {"prefix cut short", std::string("ok") + '\0', false, 1, "ok"},
      {"prefix split by a terminator", std::string("o\0k:", 4), false, 1, "o"},
  };
}

class HostReplyTest : public HardenedHostTest {};

TEST_F(HostReplyTest, EveryHostileReplyIsAnsweredOnceWithinTheBuffer) {
  const std::vector<ReplyCase> cases = ReplyCases();
  StartApp();
  host_->set_reply_writer(
      [&cases](const std::wstring& request, char* buffer, size_t size) {
        if (request.empty() || !iswdigit(request[0])) {
          HostMessageWindow::WriteReply("ok:", buffer, size);
          return;
        }
        const ReplyCase& reply = cases[std::stoi(request)];
        // The rest of the buffer is garbage, never a convenient zero.
        memset(buffer, 'G', size);
        memcpy(buffer, reply.bytes.data(),
               reply.bytes.size() < size ? reply.bytes.size() : size);
      });
  // All at once, so the page has them pending together.
  for (size_t i = 0; i < cases.size(); ++i)
    ASSERT_NE(0, SendQuery(std::to_string(i)));
  ExpectEachAnsweredOnce();
  for (size_t i = 0; i < cases.size(); ++i) {
    const ReplyCase& reply = cases[i];
    SCOPED_TRACE(reply.name);
    const PageOutcome outcome = WaitForOutcome(sent_queries_[i]);
    ASSERT_TRUE(outcome.answered);
    EXPECT_EQ(reply.success, outcome.success);
    if (!reply.success) {
      EXPECT_EQ(reply.error_code, outcome.error_code);
    }
    const std::string expected =
        reply.error_code == -1 ? reply.text : AsPageSeesIt(reply.text);
    EXPECT_EQ(expected.size(), outcome.text.size());
    EXPECT_TRUE(expected == outcome.text);
  }
  EXPECT_EQ(cases.size() + 1, host_->message_count());
}

}  // namespace
}  // namespace orvtest
