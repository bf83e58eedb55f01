#include "platform/win32/Process.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace zubolo {

std::u16string Win32Process::CommandLine() const {
    return FromWide(GetCommandLineW());
}

void Win32Process::RequestQuit() {
    PostQuitMessage(0);
}

}  // namespace zubolo
