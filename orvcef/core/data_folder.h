// Choosing and preparing the data folder that holds CEF's cache.
//
// The folder beside the host's module is preferred; when its cache folders
// cannot be made or written, the per-user "TradeHarbor" folder below the
// local application-data folder takes its place.
#ifndef ORVCEF_CORE_DATA_FOLDER_H_
#define ORVCEF_CORE_DATA_FOLDER_H_

#include <functional>
#include <string>

namespace orvcef {

// The file-system operations the preparation needs, so that tests can
// replace them.
struct FileOperations {
  std::function<bool(const std::wstring& path)> is_directory;
  std::function<bool(const std::wstring& path)> create_directory;
  // Writes the four bytes "test" into |path|; true when they were written.
  std::function<bool(const std::wstring& path)> write_test_file;
  // The user's local application-data folder, or empty when unknown.
  std::function<std::wstring()> local_app_data;
};

// The Win32 and C runtime implementations.
FileOperations SystemFileOperations();

struct DataFolder {
  // Ends with a backslash when it is the module folder; the fallback
  // folder is named even when its folders could not be made.
  std::wstring path;
  // All of cache, cache\preload and cache\temp exist below |path|.
  bool ready = false;
};

// |module_folder| is the host module's folder with its trailing backslash.
DataFolder PrepareDataFolder(const std::wstring& module_folder,
                             const FileOperations& files);

// Joins |tail| to |folder| with one backslash between them.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& tail);

// The folder of |module| (NULL: the process's executable), trailing
// backslash kept.
std::wstring ModuleFolder(void* module);

}  // namespace orvcef

#endif  // ORVCEF_CORE_DATA_FOLDER_H_
