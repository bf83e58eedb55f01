#include "shortcuts/ShortcutTexts.h"

#include "common/TimeStamp.h"

namespace zubolo {

namespace {

constexpr std::u16string_view LineBreak = u"\r\n";

struct NoticeWording {
    std::u16string_view place;
    std::u16string_view ending;
};

NoticeWording WordingOf(ShortcutOutcome outcome) {
    switch (outcome) {
        case ShortcutOutcome::Created:
            return {u" に", u"を新規作成しました。"};
        case ShortcutOutcome::NotCreated:
            return {u" に", u"を新規作成できませんでした。HRESULT="};
        case ShortcutOutcome::Updated:
            return {u" の", u"を更新しました。"};
        case ShortcutOutcome::NotUpdated:
            return {u" の", u"を更新できませんでした。HRESULT="};
        case ShortcutOutcome::Removed:
            return {u" から ", u"を削除しました。"};
        case ShortcutOutcome::NotRemoved:
            return {u" から ", u"を削除できませんでした。"};
    }
    return {};
}

// "フォルダ <folder><place>\r\n<file>\r\n<ending>"
std::u16string FolderAndFile(std::u16string_view folderName, std::u16string_view place,
                             std::u16string_view fileName, std::u16string_view ending) {
    std::u16string text = u"フォルダ ";
    text.append(folderName).append(place).append(LineBreak);
    text.append(fileName).append(LineBreak).append(ending);
    return text;
}

// The file name without its folder and without its last extension.
std::u16string_view BaseName(std::u16string_view path) {
    const std::size_t delimiter = path.find_last_of(u"\\/:");
    if (delimiter != std::u16string_view::npos) path.remove_prefix(delimiter + 1);
    const std::size_t dot = path.rfind(u'.');
    return dot == std::u16string_view::npos ? path : path.substr(0, dot);
}

}  // namespace

std::u16string ShortcutNoticeText(ShortcutOutcome outcome, std::u16string_view folderName,
                                  std::u16string_view fileName, std::u16string_view resultText) {
    const NoticeWording wording = WordingOf(outcome);
    return FolderAndFile(folderName, wording.place, fileName, wording.ending).append(resultText);
}

std::u16string AlreadyThereQuestionText(std::u16string_view folderName,
                                        std::u16string_view fileName) {
    return FolderAndFile(folderName, u" に", fileName, u"は既に存在します。更新しますか？")
        .append(LineBreak)
        .append(LineBreak)
        .append(u"[はい]: 更新, [いいえ]: 削除, [ｷｬﾝｾﾙ]: 取消し");
}

std::u16string OpenFolderQuestionText(std::u16string_view folderName) {
    return u"フォルダ " + std::u16string(folderName) + u" を開きますか？";
}

std::u16string QuotedTarget(std::u16string_view path) {
    std::u16string quoted = u"\"";
    for (const char16_t character : path) {
        if (character == u'"') quoted += u'"';
        quoted += character;
    }
    return quoted + u'"';
}

std::u16string ShortcutDescription(const LocalDateTime& now, std::u16string_view dateSeparator,
                                   std::u16string_view timeSeparator,
                                   std::u16string_view programPath, std::u16string_view version) {
    std::u16string text = TimeStampText(now, dateSeparator, timeSeparator, u" ");
    text.append(u" Created by ").append(BaseName(programPath)).append(u" ").append(version);
    return text;
}

}  // namespace zubolo
