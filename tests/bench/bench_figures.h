// What every benchmark program shares: a microsecond clock, the summary of a
// run of samples, the figure lines it prints and the size of the run the
// command line asks for.
#ifndef TESTS_BENCH_BENCH_FIGURES_H_
#define TESTS_BENCH_BENCH_FIGURES_H_

#include <stddef.h>

#include <string>
#include <vector>

namespace orvbench {

// How big a run the command line asked for: "--scale=smoke" (a few
// iterations, for the test suite), "--scale=quick" or the full run (the
// default, "--scale=full").
enum class Scale { kSmoke, kQuick, kFull };
Scale ParseScale(int argc, char** argv);
// The value of "--name=value" on the command line, or |fallback|.
int IntArgument(int argc, char** argv, const char* name, int fallback);
// |full|, |quick| or |smoke| by the scale.
int Pick(Scale scale, int full, int quick, int smoke);

// Microseconds since an arbitrary start, from the performance counter.
double NowUs();

struct Summary {
  size_t count = 0;
  double median = 0;
  double p99 = 0;
  double mean = 0;
  double min = 0;
};
Summary Summarize(std::vector<double> samples);

// Prints one figure line, "<name> <value> <unit>", and flushes it.
void PrintFigure(const std::string& name, double value, const char* unit);
// Prints "<name>.median", "<name>.p99" and "<name>.count" of |summary|.
void PrintSummary(const std::string& name,
                  const Summary& summary,
                  const char* unit);
// Prints "error <text>" on standard error; the program then exits non-zero.
void PrintError(const std::string& text);
// The program's exit code: 1, with |failure| printed, when the run did not
// do what it measured (|ok| false), and 1 when the simulated runtime
// recorded a violation; 0 otherwise.
int ExitStatus(bool ok, const std::string& failure);

}  // namespace orvbench

#endif  // TESTS_BENCH_BENCH_FIGURES_H_
