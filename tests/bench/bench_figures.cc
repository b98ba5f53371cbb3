#include "bench_figures.h"

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <numeric>

#include "cefsim/control.h"

namespace orvbench {

Scale ParseScale(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (strcmp(argv[i], "--scale=smoke") == 0)
      return Scale::kSmoke;
    if (strcmp(argv[i], "--scale=quick") == 0)
      return Scale::kQuick;
  }
  return Scale::kFull;
}

int IntArgument(int argc, char** argv, const char* name, int fallback) {
  const std::string prefix = std::string("--") + name + "=";
  for (int i = 1; i < argc; ++i) {
    if (strncmp(argv[i], prefix.c_str(), prefix.size()) == 0)
      return atoi(argv[i] + prefix.size());
  }
  return fallback;
}

int Pick(Scale scale, int full, int quick, int smoke) {
  switch (scale) {
    case Scale::kSmoke:
      return smoke;
    case Scale::kQuick:
      return quick;
    case Scale::kFull:
      break;
  }
  return full;
}

double NowUs() {
  static const double ticks_per_us = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1e6;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticks_per_us;
}

Summary Summarize(std::vector<double> samples) {
  Summary summary;
  summary.count = samples.size();
  if (samples.empty())
    return summary;
  std::sort(samples.begin(), samples.end());
  const size_t n = samples.size();
  summary.median =
      n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
  // The smallest sample that at least 99% of the samples do not exceed.
  const size_t p99_rank = (n * 99 + 99) / 100;
  summary.p99 = samples[std::min(n, std::max<size_t>(p99_rank, 1)) - 1];
  summary.mean = std::accumulate(samples.begin(), samples.end(), 0.0) / n;
  summary.min = samples.front();
  return summary;
}

void PrintFigure(const std::string& name, double value, const char* unit) {
  printf("%-44s %14.3f %s\n", name.c_str(), value, unit);
  fflush(stdout);
}

void PrintSummary(const std::string& name,
                  const Summary& summary,
                  const char* unit) {
  PrintFigure(name + ".median", summary.median, unit);
  PrintFigure(name + ".p99", summary.p99, unit);
  PrintFigure(name + ".count", static_cast<double>(summary.count), "samples");
}

void PrintError(const std::string& text) {
  fprintf(stderr, "error %s\n", text.c_str());
  fflush(stderr);
}

int ExitStatus(bool ok, const std::string& failure) {
  int status = 0;
  if (!ok) {
    PrintError(failure);
    status = 1;
  }
  if (cefsim_violation_count() != 0) {
    PrintError("the simulated runtime recorded a violation");
    status = 1;
  }
  return status;
}

}  // namespace orvbench
