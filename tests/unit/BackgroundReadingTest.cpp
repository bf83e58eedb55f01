#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "unit/FormFixture.h"

namespace zubolo {
namespace {

constexpr WindowHandle MainWindow{0x100};

// A form with the linkage on, whose background readings end only when the test says.
struct SlowBin : FormOnFakes {
    SlowBin() {
        form.SetHandle(MainWindow);
        fakes.diskQueries.hold = true;
        fakes.drives.roots = {u"C:\\"};
        fakes.drives.spaces = {{u"C:\\", {4000, 1000}}};
        fakes.recycleBin.drives = {{u"C:", {true, 0, 2, 20}}};
        fakes.recycleBin.wholeBin = {true, 0, 5, 60};
        form.PageControl1.SetActivePage(form.TabSheetStatus);
        form.ButtonStartClick();
    }
    std::size_t Batches() const { return fakes.diskQueries.batches.size(); }
    std::u16string Panel(int index) const { return form.StatusBar1.PanelText(index); }
    void NextSecond() { ++fakes.clock.now.second; }
};

TEST(BackgroundReading, TicksDuringALongReadingMoveTheClockAndAskNothingMore) {
    SlowBin t;
    t.form.Timer1Timer();
    ASSERT_EQ(t.Batches(), 1u);
    const std::u16string firstClock = t.Panel(0);

    t.NextSecond();
    t.form.Timer1Timer();
    t.NextSecond();
    t.form.Timer1Timer();
    EXPECT_NE(t.Panel(0), firstClock) << "the clock moves while the bin is read";
    EXPECT_EQ(t.Batches(), 1u) << "no second reading while one is under way";
    EXPECT_EQ(t.Panel(1), u"");

    t.fakes.diskQueries.Finish();
    EXPECT_EQ(t.Panel(1), u"(5) 60");
    EXPECT_EQ(t.app.Title(), u"(5) 60");
    // The change had the drive table read; the next tick waits for that reading to end.
    ASSERT_EQ(t.Batches(), 2u);
    t.fakes.diskQueries.Finish();
    EXPECT_EQ(t.form.ListView1.Items().front().subItems[3], u"(2) 20");
    t.form.Timer1Timer();
    EXPECT_EQ(t.Batches(), 3u) << "the tick after the reading reads again";
}

TEST(BackgroundReading, AFailingReadingShowsTheProgramNameAndFreesTheNextTick) {
    SlowBin t;
    t.form.TrayIcon1.SetVisible(true);
    t.form.Timer1Timer();
    t.fakes.recycleBin.wholeBin = {false, FakeRecycleBin::Failure, 0, 0};
    t.fakes.diskQueries.Finish();

    EXPECT_EQ(t.Panel(1), u"ずぼろ");
    EXPECT_EQ(t.form.TrayIcon1.Hint(), u"ずぼろ");
    EXPECT_EQ(t.Batches(), 1u) << "a failure is no change: the drive table is not read";
    t.form.Timer1Timer();
    EXPECT_EQ(t.Batches(), 2u);
}

TEST(BackgroundReading, ADriveTableRefreshAskedDuringAReadingRunsOnceItEnds) {
    SlowBin t;
    t.form.Timer1Timer();
    t.form.Pm2UpdateListViewClick();
    t.form.PageControl1Change();
    EXPECT_EQ(t.Batches(), 1u);

    t.fakes.recycleBin.wholeBin = {true, 0, 0, 0};
    t.form.Monitor.PrevCount = 0;  // an unchanged bin: only the waiting refresh reads the table
    t.fakes.diskQueries.Finish();
    ASSERT_EQ(t.Batches(), 2u) << "the requests made during the reading make one refresh";
    EXPECT_EQ(t.fakes.diskQueries.batches.back().size(), 3u) << "C:'s size and bin, the whole bin";
    t.fakes.diskQueries.Finish();
    EXPECT_EQ(t.form.ListView1.Items().front().subItems[0], u"4,000");
    EXPECT_FALSE(t.fakes.diskQueries.Waits());
}

TEST(BackgroundReading, FiguresGoToTheRowOfTheSameDriveAfterTheRowsWereMadeAnew) {
    SlowBin t;
    t.fakes.drives.roots = {u"C:\\", u"D:\\"};
    t.form.RebuildDriveList();
    t.form.RefreshDriveStatistics();
    // D: goes away and E: comes while the figures are read.
    t.fakes.drives.roots = {u"E:\\", u"C:\\"};
    t.form.RebuildDriveList();
    t.fakes.diskQueries.Finish();

    const std::vector<ListItem>& rows = t.form.ListView1.Items();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].subItems[0], u"") << "E: was not read";
    EXPECT_EQ(rows[1].subItems[0], u"4,000");
}

TEST(BackgroundReading, AReadingThatEndsAfterTheLinkageWentOffChangesNothing) {
    SlowBin t;
    t.form.Timer1Timer();
    t.form.ButtonStopClick();
    t.app.SetTitle(u"ずぼろ");
    t.fakes.diskQueries.Finish();

    EXPECT_EQ(t.Panel(1), u"");
    EXPECT_EQ(t.app.Title(), u"ずぼろ");
    EXPECT_EQ(t.Batches(), 1u);
}

TEST(BackgroundReading, ClosingDuringAReadingSavesTheSettingsAndDropsTheAnswers) {
    Application app;
    FakeFormServices fakes;
    fakes.diskQueries.hold = true;
    auto form = std::make_unique<TZuboloForm>(app, fakes.services);
    form->SetHandle(MainWindow);
    form->ButtonStartClick();
    form->Timer1Timer();
    ASSERT_TRUE(fakes.diskQueries.Waits());

    EXPECT_TRUE(form->CloseQuery());
    const bool settingsWritten =
        std::any_of(fakes.files.files.begin(), fakes.files.files.end(),
                    [](const auto& file) { return file.first.ends_with(u"Zubolo.ini"); });
    EXPECT_TRUE(settingsWritten);
    form.reset();
    EXPECT_FALSE(fakes.diskQueries.Waits()) << "the answers of a closed window are not wanted";
    fakes.diskQueries.Finish();
}

}  // namespace
}  // namespace zubolo
