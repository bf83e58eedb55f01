#include "platform/win32/Mutexes.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace zubolo {

MutexResult Win32Mutexes::CreateOwnedMutex(std::u16string_view name) {
    const std::wstring wideName = ToWide(name);
    UniqueHandle mutex(CreateMutexW(nullptr, TRUE, wideName.c_str()));
    const DWORD error = GetLastError();
    const NativeHandle handle{reinterpret_cast<std::uintptr_t>(mutex.get())};
    if (mutex) created_.push_back(std::move(mutex));
    return {handle, error};
}

}  // namespace zubolo
