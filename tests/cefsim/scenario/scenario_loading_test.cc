// Loading the scenario named by CEFSIM_SCENARIO: a good file puts its
// application on the simulated web; a bad one is reported and plays nothing.
// Each case runs in a process of its own, as loading happens once.
#include <windows.h>

#include <stdio.h>

#include <string>

#include "browser/scenario_player.h"
#include "gtest/gtest.h"
#include "web/simulated_web.h"

namespace cefsim {
namespace browser {
namespace {

constexpr char kAppUrl[] = "https://scenario.example/app";

// A scenario file in the temporary folder, removed at the end.
class ScenarioFile {
 public:
  explicit ScenarioFile(const std::string& text,
                        const wchar_t* extension = L".txt") {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    path_ = std::wstring(folder) + L"cefsim-scenario-" +
            std::to_wstring(GetCurrentProcessId()) + extension;
    FILE* file = _wfopen(path_.c_str(), L"wb");
    fwrite(text.data(), 1, text.size(), file);
    fclose(file);
  }
  ~ScenarioFile() { DeleteFileW(path_.c_str()); }
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

// Loads with CEFSIM_SCENARIO set to |path|; returns what went to stderr.
std::string LoadFrom(const std::wstring& path) {
  SetEnvironmentVariableW(kScenarioVariable, path.c_str());
  testing::internal::CaptureStderr();
  LoadScenarioFromEnvironment();
  return testing::internal::GetCapturedStderr();
}

TEST(ScenarioLoadingTest, ServesTheApplicationWithItsTitle) {
  ScenarioFile file(std::string("app ") + kAppUrl +
                    "\ntitle Loaded app\nload query time\n");
  EXPECT_EQ("", LoadFrom(file.path()));
  const ServedPage page = ServeUrl(CanonicalUrl(kAppUrl));
  EXPECT_EQ(0, page.net_error);
  EXPECT_EQ(200, page.http_status);
  EXPECT_TRUE(page.has_title);
  EXPECT_EQ("Loaded app", page.title);
}

TEST(ScenarioLoadingTest, ServesTheDocumentFileNamedRelativeToTheScenario) {
  // The document sits beside the scenario file.
  const std::string html =
      "<html><head><title>From the file</title></head><p>Hi</p></html>";
  ScenarioFile document(html, L".html");
  const std::wstring& path = document.path();
  const std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
  ScenarioFile file(std::string("app ") + kAppUrl + "\nhtml " +
                    std::string(name.begin(), name.end()) + "\n");
  EXPECT_EQ("", LoadFrom(file.path()));
  const ServedPage page = ServeUrl(CanonicalUrl(kAppUrl));
  EXPECT_EQ(200, page.http_status);
  EXPECT_EQ(html, page.html);
  EXPECT_TRUE(page.has_title);
  EXPECT_EQ("From the file", page.title);
}

TEST(ScenarioLoadingTest, ReportsADocumentFileThatCannotBeRead) {
  ScenarioFile file(std::string("app ") + kAppUrl +
                    "\nhtml no-such-page.html\n");
  const std::string errors = LoadFrom(file.path());
  EXPECT_NE(std::string::npos,
            errors.find(": html file no-such-page.html cannot be read\n"));
  EXPECT_NE(0, ServeUrl(CanonicalUrl(kAppUrl)).net_error);
}

TEST(ScenarioLoadingTest, ReportsAFileThatCannotBeRead) {
  const std::string errors = LoadFrom(L"Z:\\no\\such\\scenario.txt");
  EXPECT_NE(std::string::npos, errors.find("cefsim: scenario "));
  EXPECT_NE(std::string::npos, errors.find(": cannot be read"));
}

TEST(ScenarioLoadingTest, ReportsTheLineOfAMalformedFileAndServesNothing) {
  ScenarioFile file(std::string("app ") + kAppUrl + "\nload ask time\n");
  const std::string errors = LoadFrom(file.path());
  EXPECT_NE(std::string::npos, errors.find(": line 2: unknown step \"ask\"\n"));
  EXPECT_NE(0, ServeUrl(CanonicalUrl(kAppUrl)).net_error);
}

TEST(ScenarioLoadingTest, WithoutTheVariableNothingIsServed) {
  SetEnvironmentVariableW(kScenarioVariable, nullptr);
  testing::internal::CaptureStderr();
  LoadScenarioFromEnvironment();
  EXPECT_EQ("", testing::internal::GetCapturedStderr());
  EXPECT_NE(0, ServeUrl(CanonicalUrl(kAppUrl)).net_error);
}

}  // namespace
}  // namespace browser
}  // namespace cefsim
