#include "scenario/scenario.h"

namespace cefsim {
namespace browser {
namespace {

constexpr char kWhitespace[] = " \t\r";
constexpr char kRoutePlaceholder[] = "{route}";

std::string Trim(const std::string& text) {
  const size_t begin = text.find_first_not_of(kWhitespace);
  if (begin == std::string::npos)
    return std::string();
  const size_t end = text.find_last_not_of(kWhitespace);
  return text.substr(begin, end - begin + 1);
}

// Splits |text| into its first word and the trimmed rest.
void SplitWord(const std::string& text, std::string* word, std::string* rest) {
  const size_t end = text.find_first_of(kWhitespace);
  if (end == std::string::npos) {
    *word = text;
    rest->clear();
    return;
  }
  *word = text.substr(0, end);
  *rest = Trim(text.substr(end));
}

// "query <request>" or "title <text>" after "load" or "push".
bool ParseStep(const std::string& text,
               ScenarioStep* step,
               std::string* problem) {
  std::string kind;
  SplitWord(text, &kind, &step->text);
  if (kind == "query") {
    step->kind = ScenarioStep::Kind::kQuery;
  } else if (kind == "title") {
    step->kind = ScenarioStep::Kind::kTitle;
  } else {
    *problem = kind.empty() ? "a step needs \"query\" or \"title\""
                            : "unknown step \"" + kind + "\"";
    return false;
  }
  if (step->text.empty()) {
    *problem = "\"" + kind + "\" needs a text";
    return false;
  }
  return true;
}

// One line that is neither blank nor a comment.
bool ParseStatement(const std::string& line,
                    Scenario* scenario,
                    std::string* problem) {
  std::string keyword;
  std::string rest;
  SplitWord(line, &keyword, &rest);
  if (keyword == "app") {
    if (!scenario->app_url.empty()) {
      *problem = "a second \"app\"";
      return false;
    }
    if (rest.empty() || rest.find_first_of(kWhitespace) != std::string::npos) {
      *problem = "\"app\" needs one URL";
      return false;
    }
    scenario->app_url = rest;
    return true;
  }
  if (keyword == "title") {
    if (rest.empty()) {
      *problem = "\"title\" needs a text";
      return false;
    }
    scenario->has_title = true;
    scenario->title = rest;
    return true;
  }
  if (keyword == "html") {
    if (!scenario->html_path.empty()) {
      *problem = "a second \"html\"";
      return false;
    }
    if (rest.empty()) {
      *problem = "\"html\" needs a path";
      return false;
    }
    scenario->html_path = rest;
    return true;
  }
  if (keyword == "show") {
    ScenarioShownText shown;
    SplitWord(rest, &shown.element_id, &shown.text);
    if (shown.text.empty()) {
      *problem = "\"show\" needs an element id and a text";
      return false;
    }
    scenario->shown_texts.push_back(std::move(shown));
    return true;
  }
  if (keyword == "load" || keyword == "push") {
    ScenarioStep step;
    if (!ParseStep(rest, &step, problem))
      return false;
    (keyword == "load" ? scenario->on_load : scenario->on_push).push_back(step);
    return true;
  }
  *problem = "unknown statement \"" + keyword + "\"";
  return false;
}

}  // namespace

bool ParseScenario(const std::string& text,
                   Scenario* scenario,
                   std::string* error) {
  Scenario parsed;
  int line_number = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos)
      end = text.size();
    const std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    ++line_number;
    if (line.empty() || line[0] == '#')
      continue;
    std::string problem;
    if (!ParseStatement(line, &parsed, &problem)) {
      *error = "line " + std::to_string(line_number) + ": " + problem;
      return false;
    }
  }
  if (parsed.app_url.empty()) {
    *error = "no \"app\" line";
    return false;
  }
  *scenario = std::move(parsed);
  return true;
}

std::string FillRoute(const std::string& text, const std::string& route) {
  const std::string placeholder = kRoutePlaceholder;
  std::string filled;
  size_t start = 0;
  while (true) {
    const size_t found = text.find(placeholder, start);
    if (found == std::string::npos)
      break;
    filled.append(text, start, found - start);
    filled.append(route);
    start = found + placeholder.size();
  }
  filled.append(text, start, std::string::npos);
  return filled;
}

std::string ResolveScenarioPath(const std::string& base_file,
                                const std::string& path) {
  const bool absolute =
      (!path.empty() && (path[0] == '/' || path[0] == '\\')) ||
      (path.size() >= 2 && path[1] == ':');
  const size_t folder_end = base_file.find_last_of("/\\");
  if (absolute || folder_end == std::string::npos)
    return path;
  return base_file.substr(0, folder_end + 1) + path;
}

}  // namespace browser
}  // namespace cefsim
