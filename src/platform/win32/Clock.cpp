#include "platform/win32/Clock.h"

#include <windows.h>

namespace zubolo {

namespace {

LocalDateTime Fields(const SYSTEMTIME& time) {
    return {time.wYear,   time.wMonth,  time.wDay,         time.wHour,
            time.wMinute, time.wSecond, time.wMilliseconds};
}

}  // namespace

LocalDateTime Win32Clock::Now() const {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return Fields(time);
}

LocalDateTime Win32Clock::UtcNow() const {
    SYSTEMTIME time{};
    GetSystemTime(&time);
    return Fields(time);
}

}  // namespace zubolo
