#include "platform/win32/Mutexes.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace zubolo {

MutexResult Win32Mutexes::CreateOwnedMutex(std::u16string_view name) {
    const std::wstring wideName = ToWide(name);
    HANDLE mutex = CreateMutexW(nullptr, TRUE, wideName.c_str());
    const DWORD error = GetLastError();
    return {reinterpret_cast<NativeHandle>(mutex), error};
}

}  // namespace zubolo
