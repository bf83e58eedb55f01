#pragma once
#include <cstdint>
#include <string_view>

#include "platform/Handles.h"

namespace zubolo {

// Box styles and answers with the numbers Windows gives them (MB_*, ID*); styles are passed to the
// system unchanged.
namespace BoxStyle {
inline constexpr std::uint32_t Ok = 0x0;                // MB_OK
inline constexpr std::uint32_t YesNoCancel = 0x3;       // MB_YESNOCANCEL
inline constexpr std::uint32_t YesNo = 0x4;             // MB_YESNO
inline constexpr std::uint32_t IconStop = 0x10;         // MB_ICONSTOP
inline constexpr std::uint32_t IconQuestion = 0x20;     // MB_ICONQUESTION
inline constexpr std::uint32_t IconWarning = 0x30;      // MB_ICONWARNING
inline constexpr std::uint32_t IconInformation = 0x40;  // MB_ICONINFORMATION
}  // namespace BoxStyle

namespace BoxAnswer {
inline constexpr int None = 0;  // the box could not be shown
inline constexpr int Ok = 1;    // IDOK
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace BoxAnswer

// Modal message boxes of the program.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;

    // The plain notice box: no icon, one OK button (the default), at the platform's default
    // position. `fitWidth` asks for a box whose width follows the longest line of `text`.
    virtual void ShowPlain(WindowHandle owner, std::u16string_view text,
                           std::u16string_view caption, bool fitWidth) = 0;

    // A Windows message box with `flags` (BoxStyle values) passed through unchanged; returns the
    // button pressed (a BoxAnswer), or BoxAnswer::None when the box could not be shown.
    virtual int Ask(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                    std::uint32_t flags) = 0;
};

}  // namespace zubolo
