#include "shortcuts/ShortcutRegistration.h"

#include <optional>
#include <string>
#include <utility>

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/KnownPaths.h"
#include "platform/Locale.h"
#include "platform/MessageBox.h"
#include "platform/ShellLinks.h"
#include "shell/ErrorReport.h"
#include "shell/ResultText.h"
#include "shortcuts/ShellLinkPreparation.h"
#include "shortcuts/ShortcutFile.h"
#include "shortcuts/ShortcutTexts.h"

namespace zubolo {

namespace {

// One registration: where the shortcut goes and what the notices call it.
struct Registration {
    const ShortcutContext& context;
    std::u16string_view folderName;
    std::u16string fileName;
    std::u16string linkPath;
    std::u16string_view targetPath;

    std::u16string ResultText(std::int32_t result) const {
        return ResultCodeText(context.shell.shell, result);
    }
    void Notify(ShortcutOutcome outcome, std::u16string_view resultText = {}) const {
        ShowPlainMessage(context.shell,
                         ShortcutNoticeText(outcome, folderName, fileName, resultText));
    }
};

ShortcutContent ProgramShortcutContent(const ShortcutContext& context) {
    return {context.paths.TemporaryFolder(),
            ShortcutDescription(context.clock.Now(), context.locale.DateSeparator(),
                                context.locale.TimeSeparator(), context.paths.ProgramFilePath(),
                                context.programVersion)};
}

RaisedError PlatformError(const Registration& registration, std::u16string_view interfaceName,
                          std::int32_t result) {
    return {std::u16string(interfaceName) + u" Failed HRESULT=" + registration.ResultText(result)};
}

// Writes the shortcut anew through a new link object. Returns the raised error, or nothing with
// the result of the save in `saveResult`.
std::optional<RaisedError> WriteShortcut(const Registration& registration,
                                         std::int32_t& saveResult) {
    const ShortcutContext& context = registration.context;
    const ShellLinkCreation created = context.links.Create();
    if (!created.link) return PlatformError(registration, u"IShellLinkW", created.result);
    if (auto raised = PrepareShellLink(*created.link, registration.targetPath,
                                       ProgramShortcutContent(context), context.shell.shell)) {
        return raised;
    }
    if (const std::int32_t result = created.link->QueryPersistFile(); result != ResultOk) {
        return PlatformError(registration, u"IPersistFile", result);
    }
    saveResult = created.link->Save(registration.linkPath);
    return std::nullopt;
}

// Writes the shortcut and reports how it went; false when an error was raised, which ends the
// registration.
bool WriteAndReport(const Registration& registration, ShortcutOutcome written,
                    ShortcutOutcome notWritten) {
    std::int32_t saveResult = ResultOk;
    if (const auto raised = WriteShortcut(registration, saveResult)) {
        ShowErrorReport(registration.context.shell, raised->text);
        return false;
    }
    if (saveResult == ResultOk) {
        registration.Notify(written);
    } else {
        registration.Notify(notWritten, registration.ResultText(saveResult));
    }
    return true;
}

// Explorer with the shortcut selected while it exists, otherwise the folder itself.
void OfferToOpenFolder(const Registration& registration) {
    const ShortcutContext& context = registration.context;
    const int answer = AskQuestion(context.shell, OpenFolderQuestionText(registration.folderName),
                                   BoxStyle::YesNo | BoxStyle::IconQuestion);
    if (answer != BoxAnswer::Yes) return;
    const std::u16string& linkPath = registration.linkPath;
    if (context.files.FileExists(linkPath)) {
        ShellOpenWithParams(context.shell, u"explorer.exe", u"/select," + linkPath);
    } else {
        ShellOpen(context.shell, std::u16string_view(linkPath).substr(0, linkPath.rfind(u'\\')));
    }
}

// Creates, updates or removes the file and reports what became of it; false when the
// registration ends here.
bool ChangeShortcutFile(const Registration& registration) {
    const ShortcutContext& context = registration.context;
    if (!context.files.FileExists(registration.linkPath)) {
        return WriteAndReport(registration, ShortcutOutcome::Created, ShortcutOutcome::NotCreated);
    }
    const int answer = AskQuestion(
        context.shell, AlreadyThereQuestionText(registration.folderName, registration.fileName),
        BoxStyle::YesNoCancel | BoxStyle::IconQuestion);
    switch (answer) {
        case BoxAnswer::Yes:
            return WriteAndReport(registration, ShortcutOutcome::Updated,
                                  ShortcutOutcome::NotUpdated);
        case BoxAnswer::No:
            registration.Notify(DeleteShortcutFile(context, registration.linkPath)
                                    ? ShortcutOutcome::Removed
                                    : ShortcutOutcome::NotRemoved);
            return true;
        default:
            return false;  // Cancel, the close button or Escape: the file stays as it is
    }
}

}  // namespace

void RegisterProgramShortcut(const ShortcutContext& context, const ShortcutPlace& place,
                             std::u16string_view targetPath) {
    const std::u16string folder = GetSpecialFolderPath(context.shell, place.csidl);
    std::u16string fileName = std::u16string(context.programName) + u".lnk";
    std::u16string linkPath = folder + fileName;
    const Registration registration{context, place.folderName, std::move(fileName),
                                    std::move(linkPath), targetPath};
    // Without a folder the link path would name the root of the current drive.
    if (folder == NoFileSystemFolder) {
        registration.Notify(ShortcutOutcome::NotCreated,
                            registration.ResultText(ResultPathNotFound));
        return;
    }
    if (ChangeShortcutFile(registration)) OfferToOpenFolder(registration);
}

}  // namespace zubolo
