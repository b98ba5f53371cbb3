// The reply grammar of WM_HOST_QUERY: what the page receives for what the
// host wrote into the reply buffer.
#include "orvcef/bridge/reply_grammar.h"

#include <string>
#include <vector>

#include "gtest/gtest.h"

namespace orvcef {
namespace {

struct ReplyCase {
  const char* name;
  std::string reply;  // Written into the buffer with its terminator.
  bool success;
  int error_code;
  std::string text;
};

TEST(ReplyGrammarTest, ReadsTerminatedReplies) {
  const ReplyCase cases[] = {
      {"ok with text", "ok:hello", true, 0, "hello"},
      {"bare ok", "ok:", true, 0, ""},
      {"upper-case OK fails whole", "OK:hello", false, 1, "OK:hello"},
      {"no prefix", "denied", false, 1, "denied"},
      {"empty", "", false, -1, "Unknown"},
      {"ok without colon", "ok", false, 1, "ok"},
      {"single o", "o", false, 1, "o"},
      {"prefix later in text", "x ok:y", false, 1, "x ok:y"},
      {"non-ASCII kept as bytes", "ok:\xe4\xbd\xa0\xe5\xa5\xbd", true, 0,
       "\xe4\xbd\xa0\xe5\xa5\xbd"},
      {"invalid UTF-8 passed on", "ok:\xff\xfe", true, 0, "\xff\xfe"},
  };
  for (const ReplyCase& row : cases) {
    std::vector<char> buffer(64, 'z');
    std::copy(row.reply.begin(), row.reply.end(), buffer.begin());
    buffer[row.reply.size()] = '\0';
    const QueryOutcome outcome = ReadHostReply(buffer.data(), buffer.size());
    EXPECT_EQ(row.success, outcome.success) << row.name;
    EXPECT_EQ(row.error_code, outcome.error_code) << row.name;
    EXPECT_EQ(row.text, outcome.text) << row.name;
  }
}

TEST(ReplyGrammarTest, StopsAtFirstTerminator) {
  const char buffer[] = "ok:first\0second";
  const QueryOutcome outcome = ReadHostReply(buffer, sizeof(buffer));
  EXPECT_TRUE(outcome.success);
  EXPECT_EQ("first", outcome.text);
}

TEST(ReplyGrammarTest, ReadsUnterminatedReplyNoFurtherThanBufferEnd) {
  // The buffer sits at the end of a larger block whose next bytes would
  // continue the text if the reader ran past the end.
  std::string block = "ok:" + std::string(13, 'a') + "OVERRUN";
  block.push_back('\0');
  const QueryOutcome full = ReadHostReply(block.data(), 16);
  EXPECT_TRUE(full.success);
  EXPECT_EQ(std::string(13, 'a'), full.text);

  const QueryOutcome failure = ReadHostReply("abcdefgh", 4);
  EXPECT_EQ(1, failure.error_code);
  EXPECT_EQ("abcd", failure.text);
}

}  // namespace
}  // namespace orvcef
