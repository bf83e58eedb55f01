#include "platform/win32/Display.h"

#include <windows.h>

namespace zubolo {

int Win32Display::ScreenWidth() const {
    return GetSystemMetrics(SM_CXSCREEN);
}

int Win32Display::ScreenHeight() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

unsigned Win32Display::SystemDpi() const {
    return GetDpiForSystem();
}

}  // namespace zubolo
