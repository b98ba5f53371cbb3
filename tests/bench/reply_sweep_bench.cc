// Reply size sweep: the time the kit takes to turn the host's reply into the
// page's answer (reading the reply buffer and converting the answer to a
// CefString, the query handler's own two calls) against the conversion alone,
// the same converter on the same bytes, for replies of 0 B, 1 KiB, 64 KiB and
// 1 MiB - 1.
#include <windows.h>

#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "bench_figures.h"
#include "include/internal/cef_string.h"
#include "orvcef/bridge/page_answer.h"
#include "orvcef/bridge/reply_grammar.h"
#include "orvcef/include/orvcef.h"

namespace orvbench {
namespace {

struct Case {
  const char* name;
  size_t reply_length;  // Bytes the host writes before the terminator.
};

constexpr Case kCases[] = {
    {"0B", 0},
    {"1KiB", 1024},
    {"64KiB", 64 * 1024},
    {"1MiB-1", ORVCEF_REPLY_BUFFER_SIZE - 1},
};

// The buffer as the host leaves it: "ok:" and text for |length| bytes in
// all, the terminator, and whatever the allocation held after it.
void FillReply(char* buffer, size_t length) {
  memset(buffer, 0x5a, ORVCEF_REPLY_BUFFER_SIZE);
  if (length >= 3) {
    memcpy(buffer, "ok:", 3);
    // Plain JSON-like ASCII: the cheapest input for the converter, so the
    // kit's own share is the largest it can be.
    static const char kText[] = "{\"id\":12345,\"name\":\"Widget\",\"qty\":7},";
    for (size_t i = 3; i < length; ++i)
      buffer[i] = kText[(i - 3) % (sizeof(kText) - 1)];
  }
  buffer[length] = '\0';
}

// What the page's answer is made of: the text after "ok:", or for an empty
// reply the kit's own message.
std::string AnswerBytes(const char* buffer, size_t length) {
  if (length == 0)
    return "Unknown";
  return std::string(buffer + 3, length - 3);
}

int Run(int argc, char** argv) {
  const Scale scale = ParseScale(argc, argv);
  const int reps_large = Pick(scale, 300, 100, 3);
  const int reps_small = Pick(scale, 5000, 2000, 20);
  char* buffer = static_cast<char*>(malloc(ORVCEF_REPLY_BUFFER_SIZE));
  int result = 0;

  for (const Case& c : kCases) {
    FillReply(buffer, c.reply_length);
    const std::string answer = AnswerBytes(buffer, c.reply_length);
    const int reps = c.reply_length >= 64 * 1024 ? reps_large : reps_small;
    std::vector<double> kit;
    std::vector<double> conversion;
    size_t kit_length = 0;
    size_t conversion_length = 0;
    for (int i = 0; i < reps + 2; ++i) {
      const bool keep = i >= 2;
      for (int turn = 0; turn < 2; ++turn) {
        if ((turn == 0) == (i % 2 == 0)) {
          const double start = NowUs();
          {
            const orvcef::QueryOutcome outcome =
                orvcef::ReadHostReply(buffer, ORVCEF_REPLY_BUFFER_SIZE);
            CefString text;
            orvcef::ConvertPageAnswer(outcome.text, &text);
            kit_length = text.length();
          }
          const double end = NowUs();
          if (keep)
            kit.push_back(end - start);
        } else {
          const double start = NowUs();
          {
            cef_string_utf16_t text = {};
            cef_string_utf8_to_utf16(answer.data(), answer.size(), &text);
            conversion_length = text.length;
            cef_string_utf16_clear(&text);
          }
          const double end = NowUs();
          if (keep)
            conversion.push_back(end - start);
        }
      }
    }
    if (kit_length != conversion_length || kit_length != answer.size()) {
      PrintError(std::string("the kit's answer for ") + c.name +
                 " differs from the conversion");
      result = 1;
    }
    const Summary kit_summary = Summarize(kit);
    const Summary conversion_summary = Summarize(conversion);
    const std::string name = std::string("reply.") + c.name;
    PrintFigure(name + ".kit.median", kit_summary.median, "us");
    PrintFigure(name + ".conversion.median", conversion_summary.median, "us");
    PrintFigure(name + ".ratio.median",
                conversion_summary.median > 0
                    ? kit_summary.median / conversion_summary.median
                    : 0,
                "x");
  }
  free(buffer);
  return result;
}

}  // namespace
}  // namespace orvbench

int main(int argc, char** argv) {
  return orvbench::Run(argc, argv);
}
