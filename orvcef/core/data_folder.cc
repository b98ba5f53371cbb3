#include "orvcef/core/data_folder.h"

#include <windows.h>

#include <shlobj.h>
#include <shlwapi.h>
#include <stdio.h>

namespace orvcef {

namespace {

// Makes |path| a folder unless it already is one.
bool EnsureFolder(const std::wstring& path, const FileOperations& files) {
  return files.is_directory(path) || files.create_directory(path);
}

// cache, cache\preload and cache\temp below |folder|, stopping at the first
// that cannot be made.
bool EnsureCacheFolders(const std::wstring& folder,
                        const FileOperations& files) {
  const std::wstring cache = JoinPath(folder, L"cache");
  return EnsureFolder(cache, files) &&
         EnsureFolder(JoinPath(cache, L"preload"), files) &&
         EnsureFolder(JoinPath(cache, L"temp"), files);
}

}  // namespace

std::wstring JoinPath(const std::wstring& folder, const std::wstring& tail) {
  // PathAppendW works in MAX_PATH characters, as the paths CEF gets do.
  wchar_t buffer[MAX_PATH + 1] = {};
  lstrcpynW(buffer, folder.c_str(), MAX_PATH);
  PathAppendW(buffer, tail.c_str());
  return buffer;
}

std::wstring ModuleFolder(void* module) {
  wchar_t path[MAX_PATH + 1] = {};
  GetModuleFileNameW(static_cast<HMODULE>(module), path, MAX_PATH);
  *PathFindFileNameW(path) = L'\0';
  return path;
}

FileOperations SystemFileOperations() {
  FileOperations files;
  files.is_directory = [](const std::wstring& path) {
    return PathIsDirectoryW(path.c_str()) != FALSE;
  };
  files.create_directory = [](const std::wstring& path) {
    return CreateDirectoryW(path.c_str(), nullptr) != FALSE;
  };
  files.write_test_file = [](const std::wstring& path) {
    FILE* file = nullptr;
    if (_wfopen_s(&file, path.c_str(), L"wb") != 0 || !file)
      return false;
    const size_t written = fwrite("test", 4, 1, file);
    fclose(file);
    return written == 1;
  };
  files.local_app_data = [] {
    wchar_t path[MAX_PATH + 1] = {};
    if (!SHGetSpecialFolderPathW(nullptr, path, CSIDL_LOCAL_APPDATA, FALSE))
      return std::wstring();
    return std::wstring(path);
  };
  return files;
}

DataFolder PrepareDataFolder(const std::wstring& module_folder,
                             const FileOperations& files) {
  if (EnsureCacheFolders(module_folder, files) &&
      files.write_test_file(
          JoinPath(JoinPath(module_folder, L"cache\\temp"), L".data"))) {
    return {module_folder, true};
  }
  // The per-user folder itself is never made: without it the cache folders
  // below it cannot be made either, and CEF is still pointed there.
  DataFolder fallback;
  fallback.path = JoinPath(files.local_app_data(), L"TradeHarbor");
  fallback.ready = EnsureCacheFolders(fallback.path, files);
  return fallback;
}

}  // namespace orvcef
