#include "pe_image.h"

#include <algorithm>
#include <cctype>

namespace orvtest {

namespace {

const IMAGE_DATA_DIRECTORY& Directory(HMODULE module, int index) {
  auto* base = reinterpret_cast<const BYTE*>(module);
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  return nt->OptionalHeader.DataDirectory[index];
}

template <class T>
const T* At(HMODULE module, DWORD rva) {
  return reinterpret_cast<const T*>(reinterpret_cast<const BYTE*>(module) +
                                    rva);
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  return text;
}

}  // namespace

std::set<std::string> ExportedNames(HMODULE module) {
  std::set<std::string> names;
  const IMAGE_DATA_DIRECTORY& dir =
      Directory(module, IMAGE_DIRECTORY_ENTRY_EXPORT);
  if (!dir.VirtualAddress)
    return names;
  auto* exports = At<IMAGE_EXPORT_DIRECTORY>(module, dir.VirtualAddress);
  auto* name_rvas = At<DWORD>(module, exports->AddressOfNames);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i)
    names.insert(At<char>(module, name_rvas[i]));
  return names;
}

std::set<std::string> ImportedDlls(HMODULE module) {
  std::set<std::string> names;
  const IMAGE_DATA_DIRECTORY& dir =
      Directory(module, IMAGE_DIRECTORY_ENTRY_IMPORT);
  if (!dir.VirtualAddress)
    return names;
  for (auto* entry = At<IMAGE_IMPORT_DESCRIPTOR>(module, dir.VirtualAddress);
       entry->Name; ++entry) {
    names.insert(Lower(At<char>(module, entry->Name)));
  }
  return names;
}

}  // namespace orvtest
