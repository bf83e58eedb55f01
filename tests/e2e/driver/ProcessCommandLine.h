#pragma once
#include <windows.h>

#include <string>

namespace zubolo::e2e {

// The command line another process was started with, read from its process parameters.
std::wstring CommandLineOf(DWORD processId);

}  // namespace zubolo::e2e
