#pragma once
#include <string>
#include <string_view>

#include "shell/ShellRoutines.h"

namespace zubolo {

// The error report's text: a full stop is added when the text ends in a character whose code
// is above that of "." (a letter or a digit, say), so "Access denied" becomes "Access denied.".
std::u16string ErrorReportText(std::u16string_view text);

// The application's general error report, for an error that ends a command at once: a modal box
// with the error text, the application title of the moment as caption, one OK button and the
// stop icon. The program carries on once it is closed.
void ShowErrorReport(const ShellContext& context, std::u16string_view text);

}  // namespace zubolo
