#include "shell/ShellRoutines.h"

#include <initializer_list>
#include <optional>

#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "shell/ResultText.h"

namespace zubolo {

namespace {

constexpr std::u16string_view OpenFailed = u"Open Failed ";
constexpr std::u16string_view OpenByFailed = u"OpenBy Failed ";
constexpr std::u16string_view PropertiesFailed = u"プロパティを表示できませんでした";

// The shell reports success with a value above 32 and an error number otherwise.
bool ShellOpenSucceeded(std::uint32_t result) {
    return result > 32;
}

std::u16string JoinLines(std::initializer_list<std::u16string_view> lines) {
    std::u16string text;
    bool first = true;
    for (std::u16string_view line : lines) {
        if (!first) text += u"\r\n";
        text += line;
        first = false;
    }
    return text;
}

// "<head><n>\r\n<system text for n>"
std::u16string OpenFailureHead(const ShellContext& context, std::u16string_view head,
                               std::uint32_t result) {
    return std::u16string(head) + ResultCodeText(context.shell, static_cast<std::int32_t>(result));
}

}  // namespace

void ShowPlainMessage(const ShellContext& context, std::u16string_view text, NoticeWidth width) {
    context.boxes.ShowPlain(context.owner, text, context.appTitle(),
                            width == NoticeWidth::FitContent);
}

int AskQuestion(const ShellContext& context, std::u16string_view text, std::uint32_t flags) {
    return context.boxes.Ask(context.owner, text, context.appTitle(), flags);
}

std::u16string GetSpecialFolderPath(const ShellContext& context, std::int32_t csidl) {
    std::u16string path = context.shell.SpecialFolderPath(context.owner, csidl);
    if (path.empty() || path.back() != u'\\') path += u'\\';
    return path;
}

void ShellOpen(const ShellContext& context, std::u16string_view target) {
    const std::uint32_t result = context.shell.ExecuteOpen(target, std::nullopt);
    if (ShellOpenSucceeded(result)) return;
    ShowPlainMessage(context, JoinLines({OpenFailureHead(context, OpenFailed, result), target}));
}

void ShellOpenWithParams(const ShellContext& context, std::u16string_view program,
                         std::u16string_view parameters) {
    const std::uint32_t result = context.shell.ExecuteOpen(program, parameters);
    if (ShellOpenSucceeded(result)) return;
    ShowPlainMessage(
        context, JoinLines({OpenFailureHead(context, OpenByFailed, result), program, parameters}));
}

void ShowObjectProperties(const ShellContext& context, std::u16string_view path) {
    if (context.shell.ObjectProperties(path)) return;
    ShowPlainMessage(context, JoinLines({PropertiesFailed, path}));
}

void ShowShellProperties(const ShellContext& context, std::u16string_view path) {
    context.dropTopmost();
    if (context.shell.ExecuteProperties(path)) return;
    ShowPlainMessage(context, JoinLines({PropertiesFailed, path}));
}

}  // namespace zubolo
