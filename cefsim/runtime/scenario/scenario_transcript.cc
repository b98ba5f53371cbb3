#include "scenario/scenario_transcript.h"

#include <stdio.h>

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
  const std::string text = line + "\n";
  fwrite(text.data(), 1, text.size(), stdout);
  fflush(stdout);
}

}  // namespace browser
}  // namespace cefsim
