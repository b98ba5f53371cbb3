// Reading a loaded module's export and import tables.
#ifndef TESTS_ORVCEF_HOST_PE_IMAGE_H_
#define TESTS_ORVCEF_HOST_PE_IMAGE_H_

#include <windows.h>

#include <set>
#include <string>

namespace orvtest {

std::set<std::string> ExportedNames(HMODULE module);
// DLL names of the normal import table, lower case.
std::set<std::string> ImportedDlls(HMODULE module);

}  // namespace orvtest

#endif  // TESTS_ORVCEF_HOST_PE_IMAGE_H_
