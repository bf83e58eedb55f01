// Reads any UTF-16 text as a command line: every argument must be a non-empty path without
// quotes, quoting each one again must give the same arguments back, and the file list made of
// them must split back into them (unless a path itself holds a line break), without crashing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "disposal/CommandLine.h"
#include "disposal/FileList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string commandLine;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        commandLine += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    }
    const std::vector<std::u16string> arguments = zubolo::CommandLineArguments(commandLine);

    std::u16string quoted = u"Zubolo.exe";
    bool holdsLineBreak = false;
    for (const std::u16string& argument : arguments) {
        if (argument.empty() || argument.find(u'"') != std::u16string::npos) std::abort();
        quoted += u" \"" + argument + u"\"";
        holdsLineBreak = holdsLineBreak || argument.find(u"\r\n") != std::u16string::npos;
    }
    if (zubolo::CommandLineArguments(quoted) != arguments) std::abort();
    if (!holdsLineBreak && zubolo::SplitFileList(zubolo::FileListText(arguments)) != arguments) {
        std::abort();
    }
    return 0;
}
