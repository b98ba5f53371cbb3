// Choosing the data folder: the module folder when its cache folders can be
// made and written, otherwise the per-user "TradeHarbor" folder.
#include "orvcef/core/data_folder.h"

#include <set>
#include <string>
#include <vector>

#include "gtest/gtest.h"

namespace orvcef {
namespace {

// A file system of folders only, with paths that refuse to be made.
class FakeFiles {
 public:
  std::set<std::wstring> folders;
  std::set<std::wstring> refused;  // create_directory fails for these
  bool test_file_writable = true;
  std::vector<std::wstring> written;

  FileOperations Operations() {
    FileOperations files;
    files.is_directory = [this](const std::wstring& path) {
      return folders.count(path) != 0;
    };
    files.create_directory = [this](const std::wstring& path) {
      const std::wstring parent = path.substr(0, path.find_last_of(L'\\'));
      if (refused.count(path) || !folders.count(parent))
        return false;
      folders.insert(path);
      return true;
    };
    files.write_test_file = [this](const std::wstring& path) {
      written.push_back(path);
      return test_file_writable;
    };
    files.local_app_data = [] { return std::wstring(L"C:\\Users\\u\\Local"); };
    return files;
  }
};

constexpr wchar_t kModule[] = L"C:\\app\\";
constexpr wchar_t kFallback[] = L"C:\\Users\\u\\Local\\TradeHarbor";

struct FolderCase {
  const char* name;
  std::set<std::wstring> refused;
  bool test_file_writable;
  bool per_user_folder_exists;
  std::wstring expected_path;
  bool expected_ready;
};

TEST(DataFolderTest, ChoosesModuleFolderOrPerUserFallback) {
  const FolderCase cases[] = {
      {"module folder usable", {}, true, false, kModule, true},
      {"cache refused, per-user exists",
       {L"C:\\app\\cache"},
       true,
       true,
       kFallback,
       true},
      {"preload refused",
       {L"C:\\app\\cache\\preload"},
       true,
       true,
       kFallback,
       true},
      {"temp refused", {L"C:\\app\\cache\\temp"}, true, true, kFallback, true},
      {"test file unwritable", {}, false, true, kFallback, true},
      {"no per-user folder",
       {L"C:\\app\\cache"},
       true,
       false,
       kFallback,
       false},
  };
  for (const FolderCase& row : cases) {
    FakeFiles files;
    files.folders = {L"C:\\app", L"C:\\Users\\u\\Local"};
    if (row.per_user_folder_exists)
      files.folders.insert(kFallback);
    files.refused = row.refused;
    files.test_file_writable = row.test_file_writable;

    const DataFolder folder = PrepareDataFolder(kModule, files.Operations());
    EXPECT_EQ(row.expected_path, folder.path) << row.name;
    EXPECT_EQ(row.expected_ready, folder.ready) << row.name;
    // The per-user folder itself is never made.
    EXPECT_EQ(row.per_user_folder_exists, files.folders.count(kFallback) != 0)
        << row.name;
  }
}

TEST(DataFolderTest, WritesTestFileInModuleTempFolderOnly) {
  FakeFiles files;
  files.folders = {L"C:\\app", L"C:\\Users\\u\\Local", kFallback};
  files.test_file_writable = false;
  const DataFolder folder = PrepareDataFolder(kModule, files.Operations());
  EXPECT_EQ(kFallback, folder.path);
  ASSERT_EQ(1u, files.written.size());
  EXPECT_EQ(L"C:\\app\\cache\\temp\\.data", files.written[0]);
  EXPECT_TRUE(files.folders.count(std::wstring(kFallback) + L"\\cache\\temp"));
}

TEST(DataFolderTest, KeepsExistingFoldersWithoutMakingThem) {
  FakeFiles files;
  files.folders = {L"C:\\app", L"C:\\app\\cache", L"C:\\app\\cache\\preload",
                   L"C:\\app\\cache\\temp"};
  // Making any of them again would fail; existing ones must not be made.
  files.refused = files.folders;
  const DataFolder folder = PrepareDataFolder(kModule, files.Operations());
  EXPECT_EQ(kModule, folder.path);
  EXPECT_TRUE(folder.ready);
}

}  // namespace
}  // namespace orvcef
