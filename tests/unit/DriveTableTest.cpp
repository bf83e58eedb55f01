#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "unit/FormFixture.h"

namespace zubolo {
namespace {

using testing::ElementsAre;

constexpr WindowHandle MainWindow{0x100};
constexpr WindowHandle Explorer{0x200};
constexpr IconHandle DriveCIcon{0x11};
constexpr IconHandle DriveEIcon{0x13};

// Stands for the window system's image list: records what reaches it and whether each icon was
// still alive when it was copied.
struct RecordedPictures : ImageListPeer {
    explicit RecordedPictures(const FakeDrives& drives) : drives(drives) {}
    const FakeDrives& drives;
    std::vector<IconHandle> copies;
    bool copiedADestroyedIcon = false;
    void AppendCopy(IconHandle icon) override {
        if (icon && !drives.liveIcons.contains(icon)) copiedADestroyedIcon = true;
        copies.push_back(icon);
    }
    void RemoveAll() override { copies.clear(); }
};

// Three drives: C: and E: with shell icons, D: without one and with a bin that does not answer.
struct ThreeDrives : FormOnFakes {
    RecordedPictures pictures{fakes.drives};

    ThreeDrives() {
        form.SetHandle(MainWindow);
        form.ImageList1.AttachPeer(&pictures);
        fakes.drives.roots = {u"C:\\", u"D:\\", u"E:\\"};
        fakes.drives.icons = {{u"C:\\", DriveCIcon}, {u"E:\\", DriveEIcon}};
        fakes.drives.spaces = {{u"C:\\", {4000, 1000}}, {u"D:\\", {0, 0}}, {u"E:\\", {2000, 1000}}};
        fakes.recycleBin.drives = {{u"C:", {true, 0, 2, 20}}, {u"E:", {true, 0, 3, 40}}};
        fakes.recycleBin.wholeBin = {true, 0, 5, 60};
        form.PageControl1.SetActivePage(form.TabSheetStatus);
    }
    ~ThreeDrives() { form.ImageList1.AttachPeer(nullptr); }

    std::vector<std::u16string> Column(int column) const {
        std::vector<std::u16string> texts;
        for (std::u16string_view text : form.ListView1.ColumnTexts(column))
            texts.emplace_back(text);
        return texts;
    }
    void Select(const std::u16string& caption) {
        const auto& items = form.ListView1.Items();
        for (std::size_t row = 0; row < items.size(); ++row) {
            if (items[row].caption == caption) form.ListView1.Select(static_cast<int>(row));
        }
    }
};

TEST(DriveTable, RebuildMakesOneRowPerDriveInOrderWithItsOwnPicture) {
    ThreeDrives t;
    t.form.RebuildDriveList();

    const auto& items = t.form.ListView1.Items();
    ASSERT_EQ(items.size(), 3u);
    for (std::size_t row = 0; row < items.size(); ++row) {
        EXPECT_EQ(items[row].imageIndex, static_cast<int>(row)) << "row i shows picture i";
        EXPECT_EQ(items[row].subItems, std::vector<std::u16string>(5)) << "figures come later";
    }
    EXPECT_EQ(t.Column(0), (std::vector<std::u16string>{u"C:", u"D:", u"E:"}));
    EXPECT_EQ(t.form.ImageList1.Count(), 3);
    // D: has no shell icon: the list puts its placeholder there.
    EXPECT_THAT(t.pictures.copies, ElementsAre(DriveCIcon, IconHandle{}, DriveEIcon));
    EXPECT_FALSE(t.pictures.copiedADestroyedIcon) << "each icon is copied before it goes";
    EXPECT_THAT(t.fakes.drives.destroyedIcons, ElementsAre(DriveCIcon, DriveEIcon));
    EXPECT_TRUE(t.fakes.drives.liveIcons.empty()) << "every icon of the shell is destroyed";

    t.fakes.drives.roots = {u"E:\\"};
    t.form.RebuildDriveList();
    EXPECT_EQ(t.Column(0), std::vector<std::u16string>{u"E:"});
    EXPECT_EQ(t.form.ImageList1.Count(), 1);
    EXPECT_THAT(t.pictures.copies, ElementsAre(DriveEIcon)) << "the old pictures went";
}

TEST(DriveTable, RefreshFillsTheFiguresAndTheLastAnsweringRowDecidesPanelAndTitle) {
    ThreeDrives t;
    t.form.RebuildDriveList();
    t.form.RefreshDriveStatistics();

    EXPECT_EQ(t.Column(1), (std::vector<std::u16string>{u"4,000", u"0", u"2,000"}));
    EXPECT_EQ(t.Column(2), (std::vector<std::u16string>{u"3,000", u"0", u"1,000"}));
    EXPECT_EQ(t.Column(3), (std::vector<std::u16string>{u"75.0%", u"0%", u"50.0%"}));
    EXPECT_EQ(t.Column(4), (std::vector<std::u16string>{u"(2) 20", u"-", u"(3) 40"}));
    EXPECT_EQ(t.Column(5), (std::vector<std::u16string>{u"0.50%", u"-", u"2.00%"}));
    EXPECT_EQ(t.form.StatusBar1.PanelText(1), u"(5) 60");
    EXPECT_EQ(t.app.Title(), u"(5) 60");
    EXPECT_EQ(t.form.Monitor.LastItemCount, 5);
    EXPECT_EQ(t.form.ButtonOpenRb.ImageIndex(), TZuboloForm::BinFullImage);
    EXPECT_EQ(t.form.ButtonOpen2.ImageIndex(), TZuboloForm::Open2FullImage);
    // Each row's own bin, then the whole bin once for the table.
    EXPECT_EQ(t.fakes.recycleBin.queriedRoots,
              (std::vector<std::optional<std::u16string>>{u"C:", u"D:", u"E:", std::nullopt}));
}

TEST(DriveTable, AWholeBinThatDoesNotAnswerLeavesPanelAndTitleAndTakesTheDrivesCount) {
    ThreeDrives t;
    t.form.RebuildDriveList();
    t.form.StatusBar1.SetPanelText(1, u"before");
    t.app.SetTitle(u"before");
    t.fakes.recycleBin.wholeBin = {false, FakeRecycleBin::Failure, 0, 0};
    const int pictureBefore = t.form.ButtonOpenRb.ImageIndex();

    t.form.RefreshDriveStatistics();

    EXPECT_EQ(t.form.StatusBar1.PanelText(1), u"before");
    EXPECT_EQ(t.app.Title(), u"before");
    EXPECT_EQ(t.form.ButtonOpenRb.ImageIndex(), pictureBefore);
    EXPECT_EQ(t.form.Monitor.LastItemCount, 3) << "E:, the last row whose own bin answered";
}

TEST(DriveTable, FiguresOfAPageOutOfSightStayUntilThePageComesBack) {
    ThreeDrives t;
    t.form.RebuildDriveList();
    t.form.PageControl1.SetActivePage(t.form.TabSheetFile);
    const unsigned requests = t.form.ListView1.ColumnRequests();

    t.form.RefreshDriveStatistics();
    EXPECT_TRUE(t.fakes.recycleBin.queriedRoots.empty());
    EXPECT_EQ(t.Column(1), std::vector<std::u16string>(3));
    EXPECT_EQ(t.form.ListView1.ColumnRequests(), requests);

    t.form.PageControl1.SelectVisibleTab(1);  // the user's click on "表示"
    EXPECT_EQ(t.Column(1), (std::vector<std::u16string>{u"4,000", u"0", u"2,000"}));
}

TEST(DriveTable, AnEmptyTableStillGetsItsColumnsFittedOnAnyPage) {
    ThreeDrives t;
    t.form.PageControl1.SetActivePage(t.form.TabSheetFile);
    t.form.RefreshDriveStatistics();
    const auto& columns = t.form.ListView1.Columns();
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(columns[column].fit, ColumnFit::Content) << column;
    }
    // Columns 3 to 5 of an empty table are as wide as their header captions (6 per character).
    EXPECT_EQ(columns[3].fit, ColumnFit::Text);
    EXPECT_EQ(columns[3].width, 8 * 6) << "使用率(b/a)";
    EXPECT_EQ(columns[4].width, 7 * 6) << "ごみ箱分(c)";
    EXPECT_EQ(columns[5].width, 8 * 6) << "占有率(c/a)";
}

TEST(DriveTable, MeasuredColumnsTakeTheirWidestCellAndNothingChangesWithoutAutoWidth) {
    ThreeDrives t;
    t.fakes.recycleBin.drives[u"C:"] = {true, 0, 1234, 5678901};
    t.form.RebuildDriveList();
    t.form.RefreshDriveStatistics();
    EXPECT_EQ(t.form.ListView1.Columns()[4].width, 17 * 6) << "(1,234) 5,678,901";

    t.form.CheckBoxAutoWidth.SetChecked(false);
    const unsigned requests = t.form.ListView1.ColumnRequests();
    t.form.RefreshDriveStatistics();
    Fire(t.form.pm2AdjustColWidth.OnClick);
    Fire(t.form.pm3AdjustColWidth1.OnClick);
    EXPECT_EQ(t.form.ListView1.ColumnRequests(), requests);

    // "列幅を自動調整" toggles its own mark, which the check box follows, and fits at once.
    t.form.pm3AdjustColWidth2.Click();
    EXPECT_TRUE(t.form.CheckBoxAutoWidth.Checked());
    EXPECT_NE(t.form.ListView1.ColumnRequests(), requests);
    t.form.pm3AdjustColWidth2.Click();
    EXPECT_FALSE(t.form.CheckBoxAutoWidth.Checked());
}

TEST(DriveTable, TheTickRebuildsOnlyWhenTheNumberOfDrivesChanges) {
    ThreeDrives t;
    t.form.FormCreate();
    ASSERT_EQ(t.Column(0), (std::vector<std::u16string>{u"C:", u"D:", u"E:"}));
    const std::size_t iconCalls = t.fakes.drives.iconCalls.size();

    t.fakes.drives.roots = {u"C:\\", u"D:\\", u"F:\\"};
    t.form.Timer1.Tick();
    EXPECT_EQ(t.fakes.drives.iconCalls.size(), iconCalls) << "a letter swapped, the count kept";
    EXPECT_EQ(t.Column(0), (std::vector<std::u16string>{u"C:", u"D:", u"E:"}));

    t.fakes.drives.roots = {u"C:\\", u"D:\\"};
    t.form.Timer1.Tick();
    EXPECT_EQ(t.Column(0), (std::vector<std::u16string>{u"C:", u"D:"}));
    EXPECT_EQ(t.Column(1), (std::vector<std::u16string>{u"4,000", u"0"})) << "and refilled";

    t.form.ButtonStopClick();
    t.fakes.drives.roots = {u"C:\\"};
    t.form.Timer1.Tick();
    EXPECT_TRUE(t.form.ListView1.Items().empty()) << "no rows while the linkage is off";
}

TEST(DriveTable, AChangeOfTheBinRefreshesTheFigures) {
    ThreeDrives t;
    t.form.FormCreate();
    t.fakes.recycleBin.drives[u"E:"] = {true, 0, 4, 50};
    t.fakes.recycleBin.wholeBin = {true, 0, 6, 70};
    t.form.Timer1.Tick();
    EXPECT_EQ(t.Column(4)[2], u"(4) 50");
    EXPECT_EQ(t.form.StatusBar1.PanelText(1), u"(6) 70");
}

TEST(DriveTable, AfterStartWithAnEmptyBinPanelAndTitleRead0And0) {
    ThreeDrives t;
    t.fakes.recycleBin.drives = {{u"C:", {true, 0, 0, 0}}, {u"E:", {true, 0, 0, 0}}};
    t.fakes.recycleBin.wholeBin = {true, 0, 0, 0};
    t.form.FormCreate();
    EXPECT_EQ(t.form.StatusBar1.PanelText(1), u"(0) 0");
    EXPECT_EQ(t.app.Title(), u"(0) 0");
    EXPECT_EQ(t.Column(4), (std::vector<std::u16string>{u"(0) 0", u"-", u"(0) 0"}));
    EXPECT_EQ(t.form.ButtonOpenRb.ImageIndex(), TZuboloForm::BinEmptyImage);
    EXPECT_EQ(t.form.PageControl1.ActivePage(), &t.form.TabSheetStatus);
}

TEST(DriveTable, HeaderClicksSortAndReverseAndARebuildKeepsTheDirection) {
    ThreeDrives t;
    ListView& list = t.form.ListView1;
    const auto row = [](std::u16string caption, std::u16string total, std::u16string bin) {
        return ListItem{std::move(caption), {std::move(total), u"", u"", std::move(bin), u""}, -1};
    };
    list.AddItem(row(u"C:", u"1,000,000", u"(3) 1,048,576"));
    list.AddItem(row(u"D:", u"999,999", u"-"));
    list.AddItem(row(u"E:", u"5,000,000", u"(10) 5,000"));

    std::vector<std::vector<std::u16string>> orders;
    for (int column : {1, 1, 1, 4, 4}) {
        list.OnColumnClick(column);
        orders.push_back(t.Column(0));
    }
    EXPECT_THAT(orders, ElementsAre(ElementsAre(u"D:", u"C:", u"E:"),    // by total, ascending
                                    ElementsAre(u"E:", u"C:", u"D:"),    // descending
                                    ElementsAre(u"D:", u"C:", u"E:"),    // ascending again
                                    ElementsAre(u"D:", u"E:", u"C:"),    // by bin: "-" first
                                    ElementsAre(u"C:", u"E:", u"D:")));  // and last
    EXPECT_EQ(t.form.DriveList.ListViewSortCol, -5);

    t.form.RebuildDriveList();
    EXPECT_EQ(t.Column(0), (std::vector<std::u16string>{u"C:", u"D:", u"E:"}));
    EXPECT_EQ(t.form.DriveList.ListViewSortCol, -5) << "kept for the next click";
}

struct MenuCase {
    const char* what;
    bool rows;
    const char16_t* selected;  // null: no row selected
    bool binFolder;
    bool drive, binProperties;
    std::u16string_view updateCaption;
};

TEST(DriveTable, TheMenuOffersTheDriveCommandsForASelectedRowAndResumesOnAnEmptyTable) {
    const MenuCase cases[] = {
        {"no row selected", true, nullptr, true, false, false, u"最新の情報に更新"},
        {"a drive with a bin folder", true, u"D:", true, true, true, u"最新の情報に更新"},
        {"a drive without one", true, u"D:", false, true, false, u"最新の情報に更新"},
        {"an empty table", false, nullptr, false, false, false, u"連携を再開"},
    };
    for (const MenuCase& c : cases) {
        SCOPED_TRACE(c.what);
        ThreeDrives t;
        if (c.rows) t.form.RebuildDriveList();
        if (c.selected != nullptr) t.Select(c.selected);
        if (c.binFolder) t.fakes.files.folders.insert(u"D:\\$Recycle.Bin");
        t.form.Pm2UpdateListView.SetEnabled(false);

        Fire(t.form.PopupMenu2.OnPopup);

        EXPECT_EQ(t.form.pm2OpenDrive.Enabled(), c.drive);
        EXPECT_EQ(t.form.Pm2ShowDriveProperties.Enabled(), c.drive);
        EXPECT_EQ(t.form.Pm2ShowDriveBinProperties.Enabled(), c.binProperties);
        EXPECT_EQ(t.form.Pm2UpdateListView.Caption(), c.updateCaption);
        EXPECT_TRUE(t.form.Pm2UpdateListView.Enabled());
    }
}

TEST(DriveTable, DriveCommandsActOnTheSelectedDriveAndRefreshAfterAPropertySheet) {
    ThreeDrives t;
    t.form.RebuildDriveList();
    t.form.CheckBoxStayOnTop.SetChecked(true);
    t.Select(u"E:");
    t.fakes.shell.propertiesResult = false;  // as under a shell without the verb

    Fire(t.form.pm2OpenDrive.OnClick);
    Fire(t.form.Pm2ShowDriveProperties.OnClick);
    ASSERT_EQ(t.Column(1)[2], u"2,000") << "refreshed after the drive's sheet";
    t.form.ListView1.SetSubItemText(2, 0, u"stale");
    Fire(t.form.Pm2ShowDriveBinProperties.OnClick);

    ASSERT_EQ(t.fakes.shell.openCalls.size(), 1u);
    EXPECT_EQ(t.fakes.shell.openCalls[0].file, u"E:");
    EXPECT_EQ(t.fakes.shell.objectPropertiesCalls, std::vector<std::u16string>{u"E:"});
    EXPECT_EQ(t.fakes.shell.propertiesCalls, std::vector<std::u16string>{u"E:\\$Recycle.Bin"});
    ASSERT_EQ(t.fakes.boxes.plainBoxes.size(), 1u);
    EXPECT_EQ(t.fakes.boxes.plainBoxes[0].text,
              u"プロパティを表示できませんでした\r\nE:\\$Recycle.Bin");
    EXPECT_EQ(t.Column(1)[2], u"2,000") << "refreshed after the failure box as well";
    EXPECT_FALSE(t.fakes.frame.topmost) << "the bin's sheet drops the stay-on-top state";
}

TEST(DriveTable, WithoutASelectedRowTheDriveCommandsAndTheDoubleClickDoNothing) {
    ThreeDrives t;
    t.form.RebuildDriveList();
    Fire(t.form.pm2OpenDrive.OnClick);
    Fire(t.form.Pm2ShowDriveProperties.OnClick);
    Fire(t.form.Pm2ShowDriveBinProperties.OnClick);
    Fire(t.form.ListView1.OnDblClick);
    EXPECT_TRUE(t.fakes.shell.openCalls.empty());
    EXPECT_TRUE(t.fakes.shell.objectPropertiesCalls.empty());
    EXPECT_TRUE(t.fakes.shell.propertiesCalls.empty());
    EXPECT_TRUE(t.fakes.recycleBin.queriedRoots.empty()) << "no refresh either";

    t.Select(u"C:");
    Fire(t.form.ListView1.OnDblClick);
    EXPECT_EQ(t.fakes.shell.objectPropertiesCalls, std::vector<std::u16string>{u"C:"});
}

TEST(DriveTable, UpdateRefreshesAndRewritesTheLinkedCaptionOrResumesTheLinkage) {
    ThreeDrives t;
    t.form.FormCreate();
    t.form.ButtonStopClick();
    ASSERT_TRUE(t.form.ListView1.Items().empty());

    Fire(t.form.Pm2UpdateListView.OnClick);  // "連携を再開"
    EXPECT_TRUE(t.form.LinkageOn());
    EXPECT_EQ(t.Column(0), (std::vector<std::u16string>{u"C:", u"D:", u"E:"}));
    EXPECT_EQ(t.Column(1), std::vector<std::u16string>(3)) << "the next tick fills them";
    EXPECT_TRUE(t.fakes.windows.captionWrites.empty()) << "no window was ever linked";

    t.form.Linkage.hLinkedWindow = Explorer;
    t.fakes.recycleBin.wholeBin = {true, 0, 8, 80};
    Fire(t.form.Pm2UpdateListView.OnClick);  // "最新の情報に更新"
    EXPECT_EQ(t.Column(1)[0], u"4,000");
    ASSERT_FALSE(t.fakes.windows.captionWrites.empty());
    EXPECT_EQ(t.fakes.windows.captionWrites.back(),
              std::make_pair(Explorer, std::u16string(u"(8) 80")));
}

TEST(DriveTable, APageChangeShowsTheBinPictureOrRefreshesTheTable) {
    ThreeDrives t;
    t.form.RebuildDriveList();
    struct Case {
        std::int32_t lastItemCount;
        int picture;
    };
    for (const Case& c :
         {Case{0, TZuboloForm::Open2EmptyImage}, Case{7, TZuboloForm::Open2FullImage},
          Case{-3, TZuboloForm::Open2FullImage}}) {
        t.form.Monitor.LastItemCount = c.lastItemCount;
        t.form.PageControl1.SetActivePage(t.form.TabSheetHelp);
        t.form.PageControl1.SelectVisibleTab(0);  // "ファイル"
        EXPECT_EQ(t.form.ButtonOpen2.ImageIndex(), c.picture) << c.lastItemCount;
    }
    EXPECT_TRUE(t.fakes.recycleBin.queriedRoots.empty());

    t.form.PageControl1.SelectVisibleTab(2);  // "設 定": nothing
    EXPECT_TRUE(t.fakes.recycleBin.queriedRoots.empty());

    t.form.Pm3StatusSpread.Click();
    EXPECT_EQ(t.form.PageControl1.ActivePage(), &t.form.TabSheetStatus);
    EXPECT_EQ(t.Column(1)[0], u"4,000");
}

}  // namespace
}  // namespace zubolo
