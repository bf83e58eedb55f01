#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zubolo {

// The arguments after the program's name on a command line as the system hands it over, each
// one a path. Blanks (spaces and tabs) separate arguments; double quotes group blanks into one
// argument and are dropped, with no escape character, so a quoted folder that ends in "\" keeps
// it. An argument that is empty once its quotes are gone names no file and is left out.
std::vector<std::u16string> CommandLineArguments(std::u16string_view commandLine);

}  // namespace zubolo
