#include "disposal/FileDisposal.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "disposal/FileList.h"
#include "platform/MessageBox.h"
#include "platform/RecycleBin.h"

namespace zubolo {

namespace {

constexpr std::u16string_view LineBreak = u"\r\n";
constexpr std::u16string_view Refused = u"受け取りません。";
constexpr std::u16string_view UseTheBin = u"捨てるものは、「ごみ箱」にお願いします。";
constexpr std::u16string_view Received = u"受け取りました。";
constexpr std::u16string_view SentToBin = u"「ごみ箱」に送りました。";
constexpr std::u16string_view OpenBinQuestion = u"「ごみ箱」を開きますか？";
constexpr std::u16string_view Dropped = u"ドラッグ＆ドロップされました。";
constexpr std::u16string_view TakeQuestion = u"受け取りますか？";

std::u16string Joined(std::initializer_list<std::u16string_view> parts) {
    std::u16string text;
    for (std::u16string_view part : parts) text += part;
    return text;
}

// A Yes/No box without icon, Yes the default; only Yes counts as yes.
bool Agrees(const DisposalContext& context, const std::u16string& question) {
    const WindowHandle active = context.activeWindow();
    const WindowHandle owner = active ? active : context.shell.owner;
    return context.shell.boxes.Ask(owner, question, context.questionCaption, BoxStyle::YesNo) ==
           BoxAnswer::Yes;
}

// Sends the paths in order until the shell does not send one; that one and all after it are
// left alone. Returns the paths sent, as list text.
std::u16string SendInOrder(const DisposalContext& context,
                           const std::vector<std::u16string>& paths) {
    std::vector<std::u16string> sent;
    for (const std::u16string& path : paths) {
        if (!SendToRecycleBin(context.bin, path, context.shell.owner)) break;
        sent.push_back(path);
    }
    return FileListText(sent);
}

}  // namespace

bool SendToRecycleBin(RecycleBin& bin, std::u16string_view path, WindowHandle owner) {
    const DeleteResult result = bin.DeleteWithUndo(path, owner);
    // When the user declines the shell's confirmation, the shell still answers 0 and only marks
    // the operation aborted: the file stayed where it was, so it was not sent.
    return result.result == 0 && !result.aborted;
}

void ApplyDropPolicy(const DisposalContext& context, int policy, std::u16string_view fileList) {
    const std::vector<std::u16string> paths = SplitFileList(fileList);
    const std::u16string list = FileListText(paths);
    switch (policy) {
        case DropPolicy::Refuse:
            ShowPlainMessage(context.shell,
                             Joined({Refused, LineBreak, list, LineBreak, UseTheBin}));
            break;
        case DropPolicy::Accept: {
            const std::u16string sent = SendInOrder(context, paths);
            if (Agrees(context, Joined({Received, LineBreak, sent, LineBreak, SentToBin,
                                        OpenBinQuestion}))) {
                context.openRecycleBin();
            }
            break;
        }
        case DropPolicy::AskEachTime: {
            if (!Agrees(context, Joined({Dropped, LineBreak, list, LineBreak, TakeQuestion})))
                break;
            const std::u16string sent = SendInOrder(context, paths);
            if (Agrees(context, Joined({Received, SentToBin, LineBreak, sent, LineBreak,
                                        OpenBinQuestion}))) {
                context.openRecycleBin();
            }
            break;
        }
        default:
            break;
    }
}

}  // namespace zubolo
