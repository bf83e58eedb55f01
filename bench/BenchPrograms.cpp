#include "BenchPrograms.h"

#include <algorithm>
#include <cwchar>

#include "BenchFailure.h"
#include "MeasuredProcess.h"

namespace zubolo::bench {
namespace {

bool ParseCount(const wchar_t* text, long minimum, long& value) {
    wchar_t* end = nullptr;
    value = std::wcstol(text, &end, 10);
    return end != text && *end == L'\0' && value >= minimum && value <= 100000;
}

std::wstring FileNameOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool ParseProgramArguments(int argc, wchar_t** argv, const std::vector<CountOption>& options,
                           std::vector<Program>& programs) {
    std::vector<std::wstring> positional;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view argument = argv[i];
        if (!argument.starts_with(L"--")) {
            positional.emplace_back(argument);
            continue;
        }
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const CountOption& o) { return o.name == argument; });
        long value = 0;
        if (option == options.end() || i + 1 >= argc ||
            !ParseCount(argv[++i], option->minimum, value)) {
            return false;
        }
        option->take(value);
    }
    if (positional.empty() || positional.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < positional.size(); i += 2)
        programs.push_back({positional[i], positional[i + 1], FileNameOf(positional[i])});
    return true;
}

void ExpectNoneRunning(const std::vector<Program>& programs) {
    for (const auto& program : programs) {
        if (FindTopLevel(program.windowClass, 0, false) != nullptr) {
            throw BenchFailure{L"a window of class " + program.windowClass +
                               L" is already open; close that program first"};
        }
    }
}

void WarmUp(const std::vector<Program>& programs, int rounds) {
    for (int round = 0; round < rounds; ++round) {
        for (const Program& program : programs) {
            MeasuredProcess process(program.path);
            process.Close(process.WaitForVisibleWindow(program.windowClass));
        }
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Least(std::vector<double> values) {
    return *std::min_element(values.begin(), values.end());
}

}  // namespace zubolo::bench
