#include "platform/win32/Clock.h"

#include <windows.h>

namespace zubolo {

LocalDateTime Win32Clock::Now() const {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return {time.wYear,   time.wMonth,  time.wDay,         time.wHour,
            time.wMinute, time.wSecond, time.wMilliseconds};
}

}  // namespace zubolo
