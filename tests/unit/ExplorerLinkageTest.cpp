#include <gtest/gtest.h>

#include "unit/FormFixture.h"

namespace zubolo {
namespace {

constexpr WindowHandle Explorer{0x200};
constexpr IconHandle EmptyBinIcon{0x71};
constexpr IconHandle FullBinIcon{0x72};
constexpr IconHandle FolderIcon{0x73};

struct Linked : FormOnFakes {
    Linked() {
        form.StatusBar1.SetPanelText(1, u"(3) 1,024");
        form.ListView1.AddItem({u"C:", {}, -1});
        form.Monitor.PrevCount = 3;
        form.Monitor.LastItemCount = 3;
        form.Linkage = {Explorer, EmptyBinIcon, FullBinIcon};
    }
};

TEST(ButtonStopClick, EndsTheLinkageAndEmptiesTheTableAndPanel) {
    Linked linked;
    linked.form.ButtonStopClick();
    const TZuboloForm& form = linked.form;
    EXPECT_TRUE(form.ButtonStart.Enabled());
    EXPECT_FALSE(form.ButtonStop.Enabled());
    EXPECT_TRUE(form.ListView1.Items().empty());
    EXPECT_EQ(form.StatusBar1.PanelText(1), u"");
    EXPECT_EQ(form.Monitor.PrevCount, 0u);
    EXPECT_EQ(form.Linkage.hLinkedWindow, Explorer) << "the link is remembered";
    EXPECT_EQ(linked.fakes.frame.calls.back(), "ProcessPendingMessages");
}

TEST(ButtonStopClick, WritesTheUsualCaptionBackOnlyWhileTheWindowShowsABinIcon) {
    struct Case {
        const char* what;
        WindowHandle linked;
        IconHandle icon;
        bool captionWritten;
    };
    for (const Case& c : {Case{"empty-bin icon", Explorer, EmptyBinIcon, true},
                          Case{"full-bin icon", Explorer, FullBinIcon, true},
                          Case{"navigated elsewhere", Explorer, FolderIcon, false},
                          Case{"never linked", 0, EmptyBinIcon, false}}) {
        Linked linked;
        linked.form.Linkage.hLinkedWindow = c.linked;
        linked.fakes.windows.smallIcons[Explorer] = c.icon;
        linked.form.ButtonStopClick();
        const auto& texts = linked.fakes.windows.texts;
        if (c.captionWritten) {
            ASSERT_EQ(texts.count(Explorer), 1u) << c.what;
            EXPECT_EQ(texts.at(Explorer), u"ごみ箱") << c.what;
        } else {
            EXPECT_TRUE(texts.empty()) << c.what;
        }
    }
}

}  // namespace
}  // namespace zubolo
