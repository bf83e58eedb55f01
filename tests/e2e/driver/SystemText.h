#pragma once
#include <windows.h>

#include <string>

namespace zubolo::e2e {

// The system's message text for an error number as the program shows it in its failure
// messages: FormatMessageW with the same flags, then every trailing character of code 32 or less
// and every trailing full stop removed. Asked of the system, never written into a test: Wine's
// texts differ from Windows' and follow the locale.
std::wstring TrimmedSystemText(DWORD code);

}  // namespace zubolo::e2e
