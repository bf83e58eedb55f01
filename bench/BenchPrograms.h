#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zubolo::bench {

// A program to measure and the class of the top-level window it shows.
struct Program {
    std::wstring path;
    std::wstring windowClass;
    std::wstring label;  // the file name
};

// An option "--name N" of a measuring tool, N a whole number from `minimum` to 100,000.
struct CountOption {
    std::wstring_view name;
    long minimum;
    std::function<void(long value)> take;
};

// Reads the command line of a measuring tool: the options it knows, and the rest as pairs of
// program and window class. Returns false on a command line the tool cannot use.
bool ParseProgramArguments(int argc, wchar_t** argv, const std::vector<CountOption>& options,
                           std::vector<Program>& programs);

// Fails when a window of one of the programs' classes is open already: its program would take
// the measurement's messages, or a single-instance program would refuse to start.
void ExpectNoneRunning(const std::vector<Program>& programs);

// Starts each program `rounds` times in turn and closes it once its window shows: unmeasured
// starts, after which the programs' files are in the cache for the measured ones.
void WarmUp(const std::vector<Program>& programs, int rounds);

double Median(std::vector<double> values);
double Least(std::vector<double> values);

}  // namespace zubolo::bench
