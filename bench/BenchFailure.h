#pragma once
#include <string>

namespace zubolo::bench {

// Ends a measurement that cannot go on; the message says why.
struct BenchFailure {
    std::wstring message;
};

}  // namespace zubolo::bench
