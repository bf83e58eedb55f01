#pragma once
#include <string>
#include <string_view>

namespace zubolo::bench {

// One line on standard output, in UTF-8.
void PrintLine(std::wstring_view text);

// `value` with a fixed number of decimals.
std::wstring Fixed(double value, int decimals);

// Milliseconds of the high-resolution counter.
double NowMs();

}  // namespace zubolo::bench
