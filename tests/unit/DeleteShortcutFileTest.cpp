#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fakes/FakeFormServices.h"
#include "shortcuts/ShortcutFile.h"

namespace zubolo {
namespace {

constexpr WindowHandle Owner{0x4242};
const std::u16string LinkPath = u"C:\\Users\\taro\\Desktop\\ずぼろ.lnk";

TEST(DeleteShortcutFile, FailuresAreNoticedAndTheWaitingMessagesHandledAfterTheNotice) {
    struct Case {
        const char* name;
        std::u16string path;
        bool fileThere;
        DeleteResult shellAnswer;
        bool gone;
        bool askedTheShell;
        std::optional<std::u16string> notice;
        bool fitWidth;
    };
    const Case cases[] = {
        {"sent to the bin", LinkPath, true, {0, false}, true, true, {}, false},
        {"not there", LinkPath, false, {0, false}, true, false, {}, false},
        {"empty path", u"", false, {0, false}, true, false, {}, false},
        {"shell failed",
         LinkPath,
         true,
         {0x7C, false},
         false,
         true,
         u"Delete \"ずぼろ.lnk\" Failed.",
         true},
        {"user aborted", LinkPath, true, {0, true}, false, true, u"Operations Aborted.", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFormServices fakes;
        if (c.fileThere) fakes.files.files[c.path] = "link";
        fakes.recycleBin.deleteResults[c.path] = c.shellAnswer;
        // How many boxes had opened each time the waiting messages were handled.
        std::vector<std::size_t> processedAfter;
        const ShortcutContext context{
            {fakes.shell, fakes.boxes, [] { return std::u16string(u"ずぼろ"); }, Owner, [] {}},
            fakes.links,
            fakes.files,
            fakes.recycleBin,
            fakes.clock,
            fakes.locale,
            fakes.paths,
            [&] { processedAfter.push_back(fakes.boxes.shown.size()); },
            u"ずぼろ",
            u"V2.0"};

        EXPECT_EQ(DeleteShortcutFile(context, c.path), c.gone);

        ASSERT_EQ(fakes.recycleBin.deletes.size(), c.askedTheShell ? 1u : 0u);
        if (c.askedTheShell) {
            EXPECT_EQ(fakes.recycleBin.deletes[0].path, c.path);
            EXPECT_EQ(fakes.recycleBin.deletes[0].owner, Owner);
        }
        if (c.notice) {
            ASSERT_EQ(fakes.boxes.plainBoxes.size(), 1u);
            EXPECT_EQ(fakes.boxes.plainBoxes[0].text, *c.notice);
            EXPECT_EQ(fakes.boxes.plainBoxes[0].caption, u"ずぼろ");
            EXPECT_EQ(fakes.boxes.plainBoxes[0].fitWidth, c.fitWidth);
            EXPECT_EQ(processedAfter, std::vector<std::size_t>{1});
        } else {
            EXPECT_TRUE(fakes.boxes.shown.empty());
            EXPECT_TRUE(processedAfter.empty());
        }
    }
}

}  // namespace
}  // namespace zubolo
