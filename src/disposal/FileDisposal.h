#pragma once
#include <functional>
#include <string_view>

#include "platform/Handles.h"
#include "shell/ShellRoutines.h"

namespace zubolo {

class RecycleBin;

// The drop policy: the selected item of RadioGroup2. Any other index (no item selected) does
// nothing with the files.
namespace DropPolicy {
inline constexpr int Refuse = 0;
inline constexpr int Accept = 1;
inline constexpr int AskEachTime = 2;
}  // namespace DropPolicy

// What the drop policy works with.
struct DisposalContext {
    // The notice box, captioned with the application title of the moment, and the owner window
    // that the shell's own confirmation, progress and error boxes belong to.
    const ShellContext& shell;
    RecycleBin& bin;
    // Caption of the questions, whatever the application title says meanwhile.
    std::u16string_view questionCaption;
    // The program's active window at the moment a question opens; 0 when none is active, and the
    // question then belongs to the shell's owner window.
    std::function<WindowHandle()> activeWindow;
    // Opens the Recycle Bin in Explorer, when the user agrees after files were sent.
    std::function<void()> openRecycleBin;
};

// Hands one path to the shell's delete with undo; true only when the item went to the bin.
bool SendToRecycleBin(RecycleBin& bin, std::u16string_view path, WindowHandle owner);

// Applies `policy` to the files of `fileList` (see FileListText): a notice that refuses them, or
// the files sent at once, or a question first; after sending, a receipt lists the files sent and
// offers to open the Recycle Bin. Sending stops at the first file the shell does not send.
void ApplyDropPolicy(const DisposalContext& context, int policy, std::u16string_view fileList);

}  // namespace zubolo
