#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "linkage/BinCaptions.h"
#include "unit/FormFixture.h"

namespace zubolo {
namespace {

constexpr WindowHandle AppWindow{0x100};
constexpr WindowHandle Explorer{0x200};
constexpr WindowHandle SecondExplorer{0x300};
constexpr WindowHandle Other{0x400};
constexpr IconHandle EmptyBinIcon{0x71};
constexpr IconHandle FullBinIcon{0x72};
constexpr IconHandle FolderIcon{0x73};
constexpr IconHandle NewIcon{0x74};
constexpr std::uint64_t Forced = 2147483647;

using CaptionWrites = std::vector<std::pair<WindowHandle, std::u16string>>;

TEST(BinCaptions, CaptionsOfAWindowThatShowsTheBin) {
    struct Case {
        std::u16string caption;
        bool counted;   // the form the linkage writes
        bool showsBin;  // any caption the search links to
    };
    const Case cases[] = {
        {u"ごみ箱", false, true},
        {u"ごみ箱 - エクスプローラー", false, true},
        {u"(12) 3,456", true, true},
        {u"(0) 0", true, true},
        {u"(1,234) ", true, true},
        {u"(123) 456", true, true},
        {u"(,) ,", true, true},
        {u"(12)3,456", false, false},
        {u"(12) 3.456", false, false},
        {u"(a) 1", false, false},
        {u"() 5", false, false},
        {u"ごみ箱 (2)", false, false},
        {u"", false, false},
        {u"(1) 2 ", false, false},
        {u"(1) 2 ごみ箱", false, false},
        {u"(1)  2", false, false},
        {u"(1) 2) 3", false, false},
        {u"((1) 2", false, false},
        {u"(1)", false, false},
        {u"x(1) 2", false, false},
        {u"（1） 2", false, false},
        {u"(１) 2", false, false},
        {u"ごみ箱 ", false, false},
        {u"ごみ箱 - エクスプローラ", false, false},
        {u"ずぼろ", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.caption.begin(), c.caption.end()));
        EXPECT_EQ(IsCountedBinTitle(c.caption), c.counted);
        EXPECT_EQ(IsRecycleBinWindowCaption(c.caption), c.showsBin);
    }
}

// The main window with the linkage on, a desktop of windows and the bin holding three items.
struct Desktop : FormOnFakes {
    Desktop() {
        app.SetHandle(AppWindow);
        form.StatusBar1.SetPanelText(1, u"(3) 1,024");
        form.Monitor.LastItemCount = 3;
        form.ButtonOpen2.SetImageIndex(-1);
    }
    void AddWindow(WindowHandle window, std::u16string windowClass, std::u16string caption,
                   IconHandle icon = {}) {
        fakes.windows.order.push_back(window);
        fakes.windows.classNames[window] = std::move(windowClass);
        fakes.windows.captions[window] = std::move(caption);
        if (icon) fakes.windows.smallIcons[window] = icon;
    }
    void AddExplorer(WindowHandle window, std::u16string caption, IconHandle icon = {}) {
        AddWindow(window, u"CabinetWClass", std::move(caption), icon);
    }
    void LinkageOff() {
        form.ButtonStart.SetEnabled(true);
        form.ButtonStop.SetEnabled(false);
    }
    // What the open-recycle-bin buttons show: untouched, or the empty or full bin.
    std::string Pictures() const {
        switch (form.ButtonOpen2.ImageIndex()) {
            case 2:
                return form.ButtonOpenRb.ImageIndex() == 0 ? "empty" : "mixed";
            case 3:
                return form.ButtonOpenRb.ImageIndex() == 1 ? "full" : "mixed";
            default:
                return "untouched";
        }
    }
    const CaptionWrites& Writes() const { return fakes.windows.captionWrites; }
};

TEST(FindRecycleBinWindowProc, LinksTheFirstVisibleExplorerWindowThatShowsTheBin) {
    struct Case {
        const char* what;
        void (*arrange)(Desktop&);
        WindowHandle linked;  // 0: the search finds nothing
        std::vector<WindowHandle> visited;
    };
    const Case cases[] = {
        {"hidden window",
         [](Desktop& d) {
             d.AddExplorer(Explorer, u"ごみ箱");
             d.fakes.windows.hidden.insert(Explorer);
         },
         {},
         {Explorer}},
        {"other class",
         [](Desktop& d) {
             d.AddWindow(Other, u"ExploreWClass", u"ごみ箱");
             d.AddWindow(Explorer, u"cabinetwclass", u"ごみ箱");
         },
         {},
         {Other, Explorer}},
        {"the application's own window",
         [](Desktop& d) { d.AddExplorer(AppWindow, u"ごみ箱"); },
         {},
         {AppWindow}},
        {"empty caption and another folder",
         [](Desktop& d) {
             d.AddExplorer(Other, u"");
             d.AddExplorer(SecondExplorer, u"ダウンロード");
         },
         {},
         {Other, SecondExplorer}},
        {"first of two matches",
         [](Desktop& d) {
             d.AddWindow(Other, u"Shell_TrayWnd", u"");
             d.AddExplorer(Explorer, u"ごみ箱 - エクスプローラー");
             d.AddExplorer(SecondExplorer, u"ごみ箱");
         },
         Explorer,
         {Other, Explorer}},
        {"counted caption",
         [](Desktop& d) { d.AddExplorer(Explorer, u"(7) 70"); },
         Explorer,
         {Explorer}},
        {"caption of more than 255 characters",
         [](Desktop& d) { d.AddExplorer(Explorer, u"(1) " + std::u16string(300, u'2')); },
         Explorer,
         {Explorer}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Desktop d;
        c.arrange(d);
        d.fakes.windows.smallIcons[Explorer] = FullBinIcon;

        d.form.UpdateLinkedWindowTitle(u"(3) 1,024");

        EXPECT_EQ(d.fakes.windows.visited, c.visited);
        EXPECT_EQ(d.form.Linkage.hLinkedWindow, c.linked);
        if (c.linked) {
            EXPECT_EQ(d.form.Linkage.hFullBinIcon, FullBinIcon) << "captured with items in the bin";
            EXPECT_EQ(d.Writes(), (CaptionWrites{{c.linked, u"(3) 1,024"}}));
            EXPECT_EQ(d.Pictures(), "full");
        } else {
            EXPECT_TRUE(d.Writes().empty());
            EXPECT_EQ(d.Pictures(), "untouched");
        }
    }
}

TEST(UpdateLinkedWindowTitle, NoWindowFoundKeepsTheFormerLinkAndWritesNothing) {
    Desktop d;
    d.form.Linkage = {Explorer, EmptyBinIcon, FullBinIcon, FolderIcon};
    d.AddExplorer(Explorer, u"ダウンロード", FullBinIcon);
    d.form.UpdateLinkedWindowTitle(u"(3) 1,024");
    EXPECT_EQ(d.form.Linkage.hLinkedWindow, Explorer);
    EXPECT_TRUE(d.Writes().empty());
    EXPECT_EQ(d.Pictures(), "untouched");
}

TEST(UpdateLinkedWindowTitle, TheWindowsIconDecidesWhetherItsCaptionIsWritten) {
    struct Case {
        const char* what;
        std::int32_t lastItemCount;
        IconHandle icon;        // what the window shows at both readings
        IconHandle folderIcon;  // hFolderIcon before
        bool written;
        IconHandle emptyAfter, fullAfter, folderAfter;
        const char* pictures;
    };
    const Case cases[] = {
        {"empty bin", 0, NewIcon, FolderIcon, true, NewIcon, FullBinIcon, FolderIcon, "empty"},
        {"full bin", 3, NewIcon, FolderIcon, true, EmptyBinIcon, NewIcon, FolderIcon, "full"},
        {"the known folder icon", 3, FolderIcon, FolderIcon, false, EmptyBinIcon, FolderIcon,
         FolderIcon, "full"},
        {"no icon, no folder icon known", 0, {}, {}, false, {}, FullBinIcon, {}, "empty"},
        {"no icon, a folder icon known",
         0,
         {},
         FolderIcon,
         true,
         {},
         FullBinIcon,
         FolderIcon,
         "empty"},
        {"negative item count", -5, NewIcon, FolderIcon, true, EmptyBinIcon, NewIcon, NewIcon,
         "full"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Desktop d;
        d.form.Monitor.LastItemCount = c.lastItemCount;
        d.form.Linkage = {{}, EmptyBinIcon, FullBinIcon, c.folderIcon};
        d.AddExplorer(Explorer, u"ごみ箱", c.icon);

        d.form.UpdateLinkedWindowTitle(u"(3) 1,024");

        EXPECT_EQ(d.form.Linkage.hLinkedWindow, Explorer);
        EXPECT_EQ(d.Writes(),
                  (c.written ? CaptionWrites{{Explorer, u"(3) 1,024"}} : CaptionWrites{}));
        EXPECT_EQ(d.form.Linkage.hEmptyBinIcon, c.emptyAfter);
        EXPECT_EQ(d.form.Linkage.hFullBinIcon, c.fullAfter);
        EXPECT_EQ(d.form.Linkage.hFolderIcon, c.folderAfter);
        EXPECT_EQ(d.Pictures(), c.pictures);
    }
}

TEST(UpdateLinkedWindowTitle, AnEmptyTextNeverBlanksTheCaption) {
    Desktop d;
    d.AddExplorer(Explorer, u"ごみ箱", FullBinIcon);
    d.form.UpdateLinkedWindowTitle(u"");
    EXPECT_EQ(d.form.Linkage.hLinkedWindow, Explorer);
    EXPECT_TRUE(d.Writes().empty());
    EXPECT_EQ(d.fakes.windows.captions.at(Explorer), u"ごみ箱");
    EXPECT_EQ(d.Pictures(), "full");
}

TEST(UpdateLinkedWindowTitle, WhileTheLinkageIsOffNothingIsSearchedOrWritten) {
    Desktop d;
    d.form.Linkage = {Other, EmptyBinIcon, FullBinIcon, FolderIcon};
    d.AddExplorer(Explorer, u"ごみ箱", NewIcon);
    d.LinkageOff();

    d.form.UpdateLinkedWindowTitle(u"(3) 1,024");
    d.form.UpdateLinkedWindowTitle(u"");

    EXPECT_TRUE(d.fakes.windows.visited.empty());
    EXPECT_TRUE(d.Writes().empty());
    EXPECT_EQ(d.form.Linkage.hLinkedWindow, Other);
    EXPECT_EQ(d.form.Linkage.hEmptyBinIcon, EmptyBinIcon);
    EXPECT_EQ(d.form.Linkage.hFullBinIcon, FullBinIcon);
    EXPECT_EQ(d.Pictures(), "untouched");
}

TEST(UpdateLinkedWindowTitle, AWindowThatStopsAnsweringIsWrittenAgainOnceItAnswers) {
    Desktop d;
    d.form.Monitor.LastItemCount = 0;
    d.form.Linkage = {Explorer, EmptyBinIcon, FullBinIcon, FolderIcon};
    d.AddExplorer(Explorer, u"(0) 0", EmptyBinIcon);

    d.fakes.windows.hung.insert(Explorer);
    d.form.UpdateLinkedWindowTitle(u"(0) 0");
    EXPECT_EQ(d.form.Linkage.hLinkedWindow, Explorer) << "its caption is read without asking it";
    EXPECT_EQ(d.form.Linkage.hEmptyBinIcon, IconHandle{}) << "no answer counts as no icon";
    EXPECT_EQ(d.form.Linkage.hFolderIcon, FolderIcon);
    EXPECT_TRUE(d.Writes().empty());

    d.fakes.windows.hung.clear();
    d.form.UpdateLinkedWindowTitle(u"(0) 0");
    EXPECT_EQ(d.form.Linkage.hEmptyBinIcon, EmptyBinIcon);
    EXPECT_EQ(d.Writes(), (CaptionWrites{{Explorer, u"(0) 0"}}));
}

// The tick hands panel 1 to the linkage on every successful reading, changed or not.
TEST(UpdateLinkedWindowTitle, EverySuccessfulTickWritesPanelOneIntoTheLinkedWindow) {
    Desktop d;
    d.form.Monitor.PrevCount = 0;
    d.form.Monitor.LastItemCount = 0;
    d.AddExplorer(Explorer, u"ごみ箱 - エクスプローラー", FullBinIcon);

    d.fakes.recycleBin.wholeBin = {true, 0, 2, 20};
    d.form.Timer1.Tick();
    d.form.Timer1.Tick();
    d.fakes.recycleBin.wholeBin = {false, FakeRecycleBin::Failure, 0, 0};
    d.form.Timer1.Tick();
    d.LinkageOff();
    d.form.Timer1.Tick();

    // A changed reading refreshes the drive table, which writes the caption too.
    EXPECT_EQ(d.Writes(),
              (CaptionWrites{{Explorer, u"(2) 20"}, {Explorer, u"(2) 20"}, {Explorer, u"(2) 20"}}));
}

TEST(UpdateLinkedWindowTitle, ACaptionWithAnotherThousandsSeparatorIsNotFoundAgain) {
    struct Case {
        std::u16string thousands;
        CaptionWrites writes;
    };
    const Case cases[] = {
        {u",",
         {{Explorer, u"(1,234) 5"},
          {Explorer, u"(1,234) 5"},
          {Explorer, u"(1,235) 5"},
          {Explorer, u"(1,235) 5"}}},
        {u".", {{Explorer, u"(1.234) 5"}}},
    };
    for (const Case& c : cases) {
        Desktop d;
        d.fakes.locale.thousands = c.thousands;
        d.AddExplorer(Explorer, u"ごみ箱", FullBinIcon);
        d.fakes.recycleBin.wholeBin = {true, 0, 1234, 5};
        d.form.Timer1.Tick();
        d.fakes.recycleBin.wholeBin = {true, 0, 1235, 5};
        d.form.Timer1.Tick();
        EXPECT_EQ(d.Writes(), c.writes);
    }
}

TEST(ButtonOpenRbClick, OpensTheBinAndLinksAtOnceEvenWhenOpeningFailed) {
    for (const std::uint32_t openResult : {42u, 31u}) {
        SCOPED_TRACE(openResult);
        Desktop d;
        d.fakes.shell.openResult = openResult;
        d.AddExplorer(Explorer, u"ごみ箱", FullBinIcon);

        d.form.ButtonOpenRbClick();

        ASSERT_EQ(d.fakes.shell.openCalls.size(), 1u);
        EXPECT_EQ(d.fakes.shell.openCalls[0].file, u"shell:RecycleBinFolder");
        EXPECT_FALSE(d.fakes.shell.openCalls[0].parameters);
        EXPECT_EQ(d.fakes.boxes.plainBoxes.size(), openResult > 32 ? 0u : 1u);
        EXPECT_EQ(d.form.Monitor.PrevCount, Forced);
        EXPECT_EQ(d.Writes(), (CaptionWrites{{Explorer, u"(3) 1,024"}}));
    }
}

TEST(ButtonOpenRbClick, WithTheLinkageOffOnlyOpensTheBin) {
    Desktop d;
    d.AddExplorer(Explorer, u"ごみ箱", FullBinIcon);
    d.form.ButtonStopClick();
    d.form.ButtonOpenRbClick();
    EXPECT_EQ(d.fakes.shell.openCalls.size(), 1u);
    EXPECT_TRUE(d.fakes.windows.visited.empty());
    EXPECT_TRUE(d.Writes().empty());
}

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
                          Case{"never linked", {}, EmptyBinIcon, false}}) {
        Linked linked;
        linked.form.Linkage.hLinkedWindow = c.linked;
        linked.fakes.windows.smallIcons[Explorer] = c.icon;
        linked.form.ButtonStopClick();
        EXPECT_EQ(linked.fakes.windows.captionWrites,
                  (c.captionWritten ? CaptionWrites{{Explorer, u"ごみ箱"}} : CaptionWrites{}))
            << c.what;
    }
}

}  // namespace
}  // namespace zubolo
