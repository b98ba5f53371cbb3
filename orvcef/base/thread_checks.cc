#include "orvcef/base/thread_checks.h"

#include <stdio.h>

namespace orvcef {

void ReportWrongThread(const char* function, const char* thread) {
  char text[256];
  snprintf(text, sizeof(text), "orvcef: %s must run on %s\n", function, thread);
  OutputDebugStringA(text);
  fputs(text, stderr);
}

}  // namespace orvcef
