#include "disposal/CommandLine.h"

namespace zubolo {

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

// The next argument, quotes dropped, and the rest of the line after it; blanks before it are
// skipped. Returns false when only blanks are left.
bool TakeArgument(std::u16string_view& line, std::u16string& argument) {
    std::size_t at = 0;
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at == line.size()) return false;
    argument.clear();
    bool quoted = false;
    for (; at < line.size() && (quoted || !IsBlank(line[at])); ++at) {
        if (line[at] == u'"') {
            quoted = !quoted;
        } else {
            argument += line[at];
        }
    }
    line.remove_prefix(at);
    return true;
}

}  // namespace

std::vector<std::u16string> CommandLineArguments(std::u16string_view commandLine) {
    std::u16string argument;
    // The program's name comes first, by the same rules.
    if (!TakeArgument(commandLine, argument)) return {};
    std::vector<std::u16string> arguments;
    while (TakeArgument(commandLine, argument)) {
        if (!argument.empty()) arguments.push_back(argument);
    }
    return arguments;
}

}  // namespace zubolo
