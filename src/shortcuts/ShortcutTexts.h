#pragma once
#include <string>
#include <string_view>

#include "common/LocalDateTime.h"

namespace zubolo {

// What became of the shortcut file; each has its notice.
enum class ShortcutOutcome { Created, NotCreated, Updated, NotUpdated, Removed, NotRemoved };

// The notice after a registration, three lines: "フォルダ " + the folder's display name + the
// place word of the outcome, the file name, and what happened. A failed save adds its result
// code text ("<code>\r\n<system text>") after "HRESULT=".
std::u16string ShortcutNoticeText(ShortcutOutcome outcome, std::u16string_view folderName,
                                  std::u16string_view fileName,
                                  std::u16string_view resultText = {});

// The question when the folder already holds the shortcut: update, remove or leave it.
std::u16string AlreadyThereQuestionText(std::u16string_view folderName,
                                        std::u16string_view fileName);

// The question that offers to open the folder afterwards.
std::u16string OpenFolderQuestionText(std::u16string_view folderName);

// The program's path as the shortcut's target: in double quotes, a quote inside doubled.
std::u16string QuotedTarget(std::u16string_view path);

// The shortcut's description: "yyyy/mm/dd HH:NN:SS Created by <program file name without
// folder and extension> <version>", with the user's date and time separators.
std::u16string ShortcutDescription(const LocalDateTime& now, std::u16string_view dateSeparator,
                                   std::u16string_view timeSeparator,
                                   std::u16string_view programPath, std::u16string_view version);

}  // namespace zubolo
