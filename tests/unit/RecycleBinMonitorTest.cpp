#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "unit/FormFixture.h"

namespace zubolo {
namespace {

constexpr std::uint64_t Forced = 2147483647;
constexpr WindowHandle MainWindow{0x100};
constexpr WindowHandle Explorer{0x200};
constexpr IconHandle ExplorerIcon{0x77};

// A form with fake services whose panel 1, title and item count carry markers, so that a tick
// that leaves them alone can be told from one that writes the same text again.
struct Monitored : FormOnFakes {
    Monitored() {
        form.SetHandle(MainWindow);
        form.StatusBar1.SetPanelText(1, u"before");
        app.SetTitle(u"before");
        form.Monitor.LastItemCount = -7;
    }
    void Bin(std::uint64_t count, std::uint64_t size) {
        fakes.recycleBin.wholeBin = {true, 0, count, size};
    }
    void BinFails() { fakes.recycleBin.wholeBin = {false, FakeRecycleBin::Failure, 0, 0}; }
    void LinkageOff() {
        form.ButtonStart.SetEnabled(true);
        form.ButtonStop.SetEnabled(false);
        form.Monitor.PrevCount = 0;
    }
    std::u16string Panel(int index) const { return form.StatusBar1.PanelText(index); }
};

struct Reading {
    const char* what;
    std::uint64_t prevCount, prevSize;  // what panel 1 shows before the tick
    std::uint64_t count, size;          // the bin's answer
    std::u16string thousands;
    std::u16string panel1;  // "before" when the tick must not write it
    std::int32_t lastItemCount;
};

TEST(RecycleBinMonitor, SuccessfulReadingsAsPanelTitleAndRememberedValues) {
    const Reading readings[] = {
        {"first reading", 0, 0, 1234, 5678901, u",", u"(1,234) 5,678,901", 1234},
        {"an empty bin at start is no change", 0, 0, 0, 0, u",", u"before", 0},
        {"unchanged figures", 5, 10, 5, 10, u",", u"before", 5},
        {"only the size changes", 3, 100, 3, 250, u",", u"(3) 250", 3},
        {"only the count changes", 3, 250, 4, 250, u",", u"(4) 250", 4},
        {"forced change of an empty bin", Forced, 0, 0, 0, u",", u"(0) 0", 0},
        {"forced, unchanged only at 2^31-1 items", Forced, 9, Forced, 9, u",", u"before",
         2147483647},
        {"2^31 items", 0, 0, 2147483648u, 1, u",", u"(2,147,483,648) 1", INT32_MIN},
        {"2^32 + 5 items", 0, 0, 4294967301u, 7, u",", u"(4,294,967,301) 7", 5},
        {"dots as thousands separator", 0, 0, 1234, 5678901, u".", u"(1.234) 5.678.901", 1234},
        {"two-character separator", 0, 0, 1000, 1000000, u"<>", u"(1<>000) 1<>000<>000", 1000},
    };
    for (const Reading& r : readings) {
        SCOPED_TRACE(r.what);
        Monitored m;
        m.form.Monitor.PrevCount = r.prevCount;
        m.form.Monitor.PrevSize = r.prevSize;
        m.fakes.locale.thousands = r.thousands;
        m.Bin(r.count, r.size);

        m.form.Timer1.Tick();

        EXPECT_EQ(m.Panel(1), r.panel1);
        EXPECT_EQ(m.app.Title(), r.panel1);
        const bool written = r.panel1 != u"before";
        EXPECT_EQ(m.form.Monitor.PrevCount, written ? r.count : r.prevCount);
        EXPECT_EQ(m.form.Monitor.PrevSize, written ? r.size : r.prevSize);
        EXPECT_EQ(m.form.Monitor.LastItemCount, r.lastItemCount) << "written on every success";
        EXPECT_EQ(m.fakes.recycleBin.queriedRoots,
                  (std::vector<std::optional<std::u16string>>{std::nullopt}))
            << "one query of the whole bin";
    }
}

TEST(RecycleBinMonitor, ClockUsesTheUsersDateAndTimeSeparators) {
    Monitored m;
    m.fakes.clock.now = {2025, 3, 4, 9, 5, 7, 0};
    m.fakes.locale.date = u"-";
    m.fakes.locale.time = u".";
    m.form.Timer1.Tick();
    EXPECT_EQ(m.Panel(0), u"2025-03-04  09.05.07");
    m.fakes.clock.now.second = 8;
    m.LinkageOff();
    m.form.Timer1.Tick();
    EXPECT_EQ(m.Panel(0), u"2025-03-04  09.05.08") << "the clock runs with the linkage off too";
}

TEST(RecycleBinMonitor, LinkageOffOnlyWritesTheClockAndTheProgramTitle) {
    struct Buttons {
        bool startEnabled, stopEnabled;
    };
    for (const Buttons b : {Buttons{true, false}, Buttons{true, true}, Buttons{false, false}}) {
        SCOPED_TRACE(testing::Message()
                     << "start " << b.startEnabled << ", stop " << b.stopEnabled);
        Monitored m;
        m.form.ButtonStart.SetEnabled(b.startEnabled);
        m.form.ButtonStop.SetEnabled(b.stopEnabled);
        m.form.TrayIcon1.SetVisible(true);
        m.form.TrayIcon1.SetHint(u"hint");
        m.Bin(3, 300);

        m.form.Timer1.Tick();

        EXPECT_FALSE(m.form.LinkageOn());
        EXPECT_EQ(m.Panel(0), u"2025/03/14  09:05:07");
        EXPECT_EQ(m.Panel(1), u"before");
        EXPECT_EQ(m.app.Title(), u"ずぼろ");
        EXPECT_EQ(m.form.TrayIcon1.Hint(), u"hint");
        EXPECT_TRUE(m.fakes.recycleBin.queriedRoots.empty());
        EXPECT_EQ(m.form.Monitor.PrevCount, 0u);
        EXPECT_EQ(m.form.Monitor.LastItemCount, -7);
    }
}

TEST(RecycleBinMonitor, FailedQueryKeepsWhatWasReadAndUnchangedFiguresStayHidden) {
    Monitored m;
    m.form.TrayIcon1.SetVisible(true);
    m.Bin(3, 300);
    m.form.Timer1.Tick();
    ASSERT_EQ(m.Panel(1), u"(3) 300");

    m.BinFails();
    m.form.Timer1.Tick();
    EXPECT_EQ(m.Panel(1), u"ずぼろ");
    EXPECT_EQ(m.form.TrayIcon1.Hint(), u"ずぼろ");
    EXPECT_EQ(m.app.Title(), u"(3) 300");
    EXPECT_EQ(m.form.Monitor.PrevCount, 3u);
    EXPECT_EQ(m.form.Monitor.PrevSize, 300u);
    EXPECT_EQ(m.form.Monitor.LastItemCount, 3);

    m.Bin(3, 300);
    m.form.Timer1.Tick();
    EXPECT_EQ(m.Panel(1), u"ずぼろ") << "the same figures are not written again";
    EXPECT_EQ(m.app.Title(), u"(3) 300");
    EXPECT_EQ(m.form.TrayIcon1.Hint(), u"(3) 300") << "the hint follows the title";

    m.Bin(4, 300);
    m.form.Timer1.Tick();
    EXPECT_EQ(m.Panel(1), u"(4) 300");
    EXPECT_EQ(m.form.TrayIcon1.Hint(), u"(4) 300");
}

TEST(RecycleBinMonitor, HiddenTrayIconKeepsItsHint) {
    Monitored m;
    m.form.TrayIcon1.SetHint(u"hint");
    m.Bin(2, 20);
    m.form.Timer1.Tick();
    m.BinFails();
    m.form.Timer1.Tick();
    EXPECT_EQ(m.form.TrayIcon1.Hint(), u"hint");
    EXPECT_EQ(m.app.Title(), u"(2) 20");
}

TEST(RecycleBinMonitor, StartingTheLinkageForcesTheNextReadingToBeShown) {
    Monitored m;
    m.LinkageOff();
    m.Bin(0, 0);
    m.form.Timer1.Tick();
    ASSERT_EQ(m.app.Title(), u"ずぼろ");

    m.form.ButtonStart.Click();
    EXPECT_FALSE(m.form.ButtonStart.Enabled());
    EXPECT_TRUE(m.form.ButtonStop.Enabled());
    EXPECT_TRUE(m.form.LinkageOn());
    EXPECT_EQ(m.form.Monitor.PrevCount, Forced);

    m.form.Timer1.Tick();
    EXPECT_EQ(m.Panel(1), u"(0) 0");
    EXPECT_EQ(m.app.Title(), u"(0) 0");
    EXPECT_EQ(m.form.Monitor.PrevCount, 0u);
}

TEST(RecycleBinMonitor, LinkedWindowIconIsCapturedWhenTheBinEmptiesOrTurnsFull) {
    struct Capture {
        const char* what;
        std::uint64_t prevCount, count;
        WindowHandle linked;
        IconHandle emptyIcon, fullIcon;  // after the tick; 11 and 22 before it
    };
    const Capture captures[] = {
        {"bin emptied", 5, 0, Explorer, ExplorerIcon, 22},
        {"bin turned full", 0, 4, Explorer, 11, ExplorerIcon},
        {"more items in a full bin", 2, 4, Explorer, 11, 22},
        {"empty bin, no change", 0, 0, Explorer, 11, 22},
        {"forced reading of a full bin", Forced, 4, Explorer, 11, 22},
        {"bin emptied, no linked window", 5, 0, 0, 0, 22},
    };
    for (const Capture& c : captures) {
        SCOPED_TRACE(c.what);
        Monitored m;
        m.fakes.windows.smallIcons[Explorer] = ExplorerIcon;
        m.form.Linkage = {c.linked, 11, 22};
        m.form.Monitor.PrevCount = c.prevCount;
        m.Bin(c.count, 0);

        m.form.Timer1.Tick();

        EXPECT_EQ(m.form.Linkage.hEmptyBinIcon, c.emptyIcon);
        EXPECT_EQ(m.form.Linkage.hFullBinIcon, c.fullIcon);
        EXPECT_EQ(m.form.Linkage.hLinkedWindow, c.linked);
    }
}

TEST(RecycleBinMonitor, TrayIconHidesWhenTheMainWindowIsInTheForeground) {
    struct Foreground {
        const char* what;
        WindowHandle handle, foreground;
        bool linkageOn, trayVisibleAfter;
    };
    const Foreground cases[] = {
        {"main window in front", MainWindow, MainWindow, true, false},
        {"main window in front, linkage off", MainWindow, MainWindow, false, false},
        {"another window in front", MainWindow, Explorer, true, true},
        {"no window in front, no main window yet", 0, 0, true, true},
    };
    for (const Foreground& c : cases) {
        SCOPED_TRACE(c.what);
        Monitored m;
        m.form.SetHandle(c.handle);
        if (!c.linkageOn) m.LinkageOff();
        m.fakes.windows.foreground = c.foreground;
        m.form.TrayIcon1.SetVisible(true);

        m.form.Timer1.Tick();

        EXPECT_EQ(m.form.TrayIcon1.Visible(), c.trayVisibleAfter);
    }
}

TEST(RecycleBinMonitor, CreationTakesTheFirstReadingOnce) {
    Monitored m;
    m.Bin(2, 10);
    m.form.FormCreate();
    EXPECT_EQ(m.Panel(0), u"2025/03/14  09:05:07");
    EXPECT_EQ(m.Panel(1), u"(2) 10");
    EXPECT_EQ(m.fakes.recycleBin.queriedRoots.size(), 1u);
}

TEST(RecycleBinMonitor, BinButtonsShowTheEmptyOrTheFullBin) {
    Monitored m;
    m.form.SetBinButtonImages(true);
    EXPECT_EQ(m.form.ButtonOpenRb.Images(), &m.form.ImageListBin);
    EXPECT_EQ(m.form.ButtonOpenRb.ImageIndex(), 1);
    EXPECT_EQ(m.form.ButtonOpen2.Images(), &m.form.ImageList0);
    EXPECT_EQ(m.form.ButtonOpen2.ImageIndex(), 3);
    m.form.SetBinButtonImages(false);
    EXPECT_EQ(m.form.ButtonOpenRb.ImageIndex(), 0);
    EXPECT_EQ(m.form.ButtonOpen2.ImageIndex(), 2);
}

}  // namespace
}  // namespace zubolo
