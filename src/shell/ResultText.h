#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace zubolo {

class Shell;

// Removes from the end of a system message every character of code 32 or less and every full
// stop, so "The system cannot find the file specified.\r\n" ends after "specified".
std::u16string TrimSystemText(std::u16string_view text);

// A failing result code as the program reports it: the code in decimal (read as a signed 32-bit
// number, so HRESULTs show as negative numbers), a line break and the system's trimmed text.
std::u16string ResultCodeText(Shell& shell, std::int32_t code);

}  // namespace zubolo
