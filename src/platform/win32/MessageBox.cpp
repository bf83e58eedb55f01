#include "platform/win32/MessageBox.h"

#include <windows.h>

#include "platform/win32/Hwnd.h"
#include "platform/win32/WideText.h"

namespace zubolo {

static_assert(BoxStyle::Ok == MB_OK && BoxStyle::YesNoCancel == MB_YESNOCANCEL &&
              BoxStyle::YesNo == MB_YESNO && BoxStyle::IconStop == MB_ICONSTOP &&
              BoxStyle::IconQuestion == MB_ICONQUESTION &&
              BoxStyle::IconWarning == MB_ICONWARNING &&
              BoxStyle::IconInformation == MB_ICONINFORMATION);
static_assert(BoxAnswer::Ok == IDOK && BoxAnswer::Cancel == IDCANCEL && BoxAnswer::Yes == IDYES &&
              BoxAnswer::No == IDNO);

// MessageBoxW already makes its box as wide as the longest line needs (wrapping only beyond
// the platform's limit), and Windows offers no plain box with a width of its own, so both
// widths are shown with the same call. A box without an owner is made modal to the whole
// thread so that the program's windows cannot be used while it is open.
void Win32MessageBoxes::ShowPlain(WindowHandle owner, std::u16string_view text,
                                  std::u16string_view caption, bool /*fitWidth*/) {
    const UINT modality = owner ? MB_APPLMODAL : MB_TASKMODAL;
    MessageBoxW(ToHwnd(owner), ToWide(text).c_str(), ToWide(caption).c_str(),
                MB_OK | MB_DEFBUTTON1 | modality);
}

int Win32MessageBoxes::Ask(WindowHandle owner, std::u16string_view text,
                           std::u16string_view caption, std::uint32_t flags) {
    return MessageBoxW(ToHwnd(owner), ToWide(text).c_str(), ToWide(caption).c_str(), flags);
}

}  // namespace zubolo
