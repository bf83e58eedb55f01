#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zubolo {

class Shell;
class ShellLink;

// What a shortcut to the program holds besides its target.
struct ShortcutContent {
    std::u16string workingFolder;
    std::u16string description;
};

// An error that ends the registration at once. It is not a notice of the registration: the
// application's general error report shows its text.
struct RaisedError {
    std::u16string text;
};

// Fills the link object: the target in double quotes, the working folder and the description,
// in this order. A step that does not return S_OK raises its error ("SetPath Failed HRESULT=",
// "SetWorkingDirectory Failed HRESULT=", "SetDescription HRESULT=", each followed by the code and
// the system's text for it) and the later steps are not made; nothing is raised when all
// succeed. `shell` gives the system texts.
std::optional<RaisedError> PrepareShellLink(ShellLink& link, std::u16string_view targetPath,
                                            const ShortcutContent& content, Shell& shell);

}  // namespace zubolo
