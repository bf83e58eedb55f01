#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Handles.h"

namespace zubolo {

class Shell;
class MessageBoxes;

// What the shell routines and the standard notice box work with.
struct ShellContext {
    Shell& shell;
    MessageBoxes& boxes;
    // The application title at the moment a box opens; it becomes the box's caption.
    std::function<std::u16string()> appTitle;
    // Owner window for the special-folder lookup and the notice box.
    WindowHandle owner;
    // Makes the main window an ordinary (non-topmost) window without touching the stay-on-top
    // check box or menu item.
    std::function<void()> dropTopmost;
};

enum class NoticeWidth {
    FitContent,  // the box is as wide as its longest line
    Standard,    // the box keeps the platform's usual width
};

// The program's standard notice box: modal, caption = the application title now, the text
// unchanged, no icon, one OK button. Returns when the box is closed.
void ShowPlainMessage(const ShellContext& context, std::u16string_view text,
                      NoticeWidth width = NoticeWidth::FitContent);

// A question in a Windows message box with `flags` (BoxStyle values), owned by the main window and
// captioned with the application title now. Returns the button pressed (a BoxAnswer).
int AskQuestion(const ShellContext& context, std::u16string_view text, std::uint32_t flags);

// File-system path of a shell special folder ending in exactly one "\"; a folder without such a
// path gives "\".
std::u16string GetSpecialFolderPath(const ShellContext& context, std::int32_t csidl);

// What GetSpecialFolderPath gives for a folder without a file-system path.
inline constexpr std::u16string_view NoFileSystemFolder = u"\\";

// Open `target` (file, folder, program, shell location or web address) with the "open" verb.
// A failure is reported in the notice box; the caller carries on either way.
void ShellOpen(const ShellContext& context, std::u16string_view target);

// Run `program` with the parameter string `parameters` through the "open" verb, reporting a
// failure in the notice box.
void ShellOpenWithParams(const ShellContext& context, std::u16string_view program,
                         std::u16string_view parameters);

// Open the property sheet of a file-system object or shell location; the main window's
// stay-on-top state is left alone.
void ShowObjectProperties(const ShellContext& context, std::u16string_view path);

// Open the property sheet of `path` through the "properties" verb. The main window stops being
// topmost first; the stay-on-top check box and menu item keep their state, and nothing makes the
// window topmost again afterwards.
void ShowShellProperties(const ShellContext& context, std::u16string_view path);

}  // namespace zubolo
