#pragma once
#include <cstdint>
#include <string_view>

#include "platform/Handles.h"

namespace zubolo {

// Modal message boxes of the program.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;

    // The plain notice box: no icon, one OK button (the default), at the platform's default
    // position. `fitWidth` asks for a box whose width follows the longest line of `text`.
    virtual void ShowPlain(WindowHandle owner, std::u16string_view caption,
                           std::u16string_view text, bool fitWidth) = 0;

    // A Windows message box with `flags` passed through unchanged (MB_* values); returns the
    // button pressed (IDOK, IDYES, IDNO, ...), or 0 when the box could not be shown.
    virtual int Ask(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                    std::uint32_t flags) = 0;
};

}  // namespace zubolo
