#include "scenario/scenario_transcript.h"

#include <windows.h>

#include <mutex>

#include "text/json_string_escape.h"

namespace cefsim {
namespace browser {
namespace {

constexpr char kPrefix[] = "page: ";

std::string Quoted(const std::string& text) {
  return text::GetQuotedJsonString(text);
}

}  // namespace

std::string LoadedLine(const std::string& url) {
  return kPrefix + std::string("loaded ") + url;
}

std::string RoutePushedLine(const std::string& route) {
  return kPrefix + std::string("route pushed ") + Quoted(route);
}

std::string TitleLine(const std::string& title) {
  return kPrefix + std::string("title ") + Quoted(title);
}

std::string QueryOutcomeLine(const std::string& request,
                             const process::PageQueryOutcome& outcome) {
  std::string line = kPrefix + std::string("query ") + Quoted(request);
  if (outcome.success)
    return line + " -> success " + Quoted(outcome.response);
  return line + " -> failure " + std::to_string(outcome.error_code) + " " +
         Quoted(outcome.error_message);
}

void PrintTranscriptLine(const std::string& line) {
  static std::mutex* lock = new std::mutex();
  std::lock_guard<std::mutex> guard(*lock);
  // One write per line: the host prints its own lines to the same output,
  // and a line the C runtime wrote in pieces could be cut in two by one.
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(),
            static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace browser
}  // namespace cefsim
