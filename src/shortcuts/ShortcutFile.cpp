#include "shortcuts/ShortcutFile.h"

#include <string>

#include "platform/FileSystem.h"
#include "platform/RecycleBin.h"

namespace zubolo {

namespace {

std::u16string_view FileNameOf(std::u16string_view path) {
    const std::size_t delimiter = path.find_last_of(u"\\/");
    return delimiter == std::u16string_view::npos ? path : path.substr(delimiter + 1);
}

}  // namespace

bool DeleteShortcutFile(const ShortcutContext& context, std::u16string_view path) {
    if (path.empty() || !context.files.FileExists(path)) return true;
    const DeleteResult deleted = context.bin.DeleteWithUndo(path, context.shell.owner);
    if (deleted.result != 0) {
        ShowPlainMessage(context.shell,
                         u"Delete \"" + std::u16string(FileNameOf(path)) + u"\" Failed.");
    } else if (deleted.aborted) {
        ShowPlainMessage(context.shell, u"Operations Aborted.", NoticeWidth::Standard);
    } else {
        return true;
    }
    context.processPendingMessages();
    return false;
}

}  // namespace zubolo
