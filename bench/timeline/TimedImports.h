#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace zubolo::bench {

// A function of the window system that this program imports, called through a stand-in that
// times every call. The stand-in replaces the function's entry in the program's own import table,
// so the program's code calls it unchanged; calls that Windows' own modules make among themselves
// are not seen (they count in the time of the imported call that made them).
struct ImportHook {
    const char* name;
    void* standIn;
    void** original;  // where the stand-in finds the function it stands in for
};

// What the calls cost while one segment of the start-up ran.
struct CallTotals {
    std::string function;
    int calls = 0;
    double ms = 0;  // exclusive: without the timed calls made inside it (window procedures)
};

// Points the program's import table entries of the hooks' functions at their stand-ins. Returns
// the names of the hooks that the table does not hold.
std::vector<std::string> InstallImportHooks(const std::vector<ImportHook>& hooks);

// Every timed call is counted for the segment named last. Starting a segment ends the one before.
void StartSegment(std::wstring name);

struct Segment {
    std::wstring name;
    double startMs = 0;
    double endMs = 0;
    SIZE_T workingSetAtStart = 0;
    long long workingSetGrowth = 0;  // bytes, from the segment's start to its end
    std::vector<CallTotals> calls;
    double CallMs() const;
};

// The segments so far, the last one ended now.
std::vector<Segment> FinishSegments();

// Times one call of `function` for the current segment while it lives. Only calls on the thread
// that installed the hooks (the window's thread) are timed: the program's reading thread makes its
// bin and disk queries beside it, and those hold up no step of the start-up.
class TimedCall {
  public:
    explicit TimedCall(const char* function);
    ~TimedCall();
    TimedCall(const TimedCall&) = delete;
    TimedCall& operator=(const TimedCall&) = delete;

  private:
    const char* function_;
    double start_;
    double innerMs_ = 0;
    TimedCall* outer_ = nullptr;
    bool timed_;
};

// A compile-time text, so that a function's name can be a template argument.
template <std::size_t N>
struct FunctionName {
    constexpr FunctionName(const char (&text)[N]) {
        for (std::size_t i = 0; i < N; ++i) value[i] = text[i];
    }
    char value[N];
};

// The stand-in of one imported function of type F, which times every call.
template <class F, FunctionName Name>
struct Timed;

template <class R, class... Args, FunctionName Name>
struct Timed<R (*)(Args...), Name> {
    static inline R (*original)(Args...) = nullptr;
    static R StandIn(Args... args) {
        const TimedCall timed(Name.value);
        return original(args...);
    }
    static ImportHook Hook() {
        return {Name.value, reinterpret_cast<void*>(&StandIn), reinterpret_cast<void**>(&original)};
    }
};

}  // namespace zubolo::bench
