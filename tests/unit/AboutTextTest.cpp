#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about/AboutBox.h"
#include "about/AboutText.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeFileVersions.h"
#include "fakes/FakeKnownPaths.h"
#include "fakes/FakeLocale.h"

namespace zubolo {
namespace {

struct ElapsedCase {
    const char* what;
    LocalDateTime start;
    LocalDateTime now;
    std::u16string expected;
};

TEST(AboutTextTest, ElapsedTextHasDaysOnlyFromOneDayOn) {
    const LocalDateTime start{2025, 3, 14, 9, 5, 7, 250};
    const ElapsedCase cases[] = {
        {"just started", start, start, u"0h0m0s"},
        {"59 seconds", start, {2025, 3, 14, 9, 6, 6, 250}, u"0h0m59s"},
        {"a part of a second is cut off", start, {2025, 3, 14, 9, 6, 7, 249}, u"0h0m59s"},
        {"five minutes and three seconds", start, {2025, 3, 14, 9, 10, 10, 250}, u"0h5m3s"},
        {"a millisecond short of a day", start, {2025, 3, 15, 9, 5, 7, 249}, u"23h59m59s"},
        {"exactly a day", start, {2025, 3, 15, 9, 5, 7, 250}, u"1d0h0m0s"},
        {"a day, two hours, three minutes, four seconds",
         start,
         {2025, 3, 15, 11, 8, 11, 250},
         u"1d2h3m4s"},
        {"over the turn of the year",
         {2024, 12, 31, 23, 0, 0, 0},
         {2025, 1, 1, 1, 0, 0, 0},
         u"2h0m0s"},
        {"over 29 February", {2024, 2, 28, 12, 0, 0, 0}, {2024, 3, 1, 12, 0, 0, 0}, u"2d0h0m0s"},
        {"a clock set back an hour", start, {2025, 3, 14, 8, 5, 7, 250}, u"1h0m0s"},
    };
    for (const ElapsedCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(GetElapsedText(c.start, c.now), c.expected);
    }
}

TEST(AboutTextTest, ScaleIsTheResolutionOver96InWholePercentRounded) {
    const std::pair<unsigned, unsigned> cases[] = {
        {96, 100}, {120, 125}, {144, 150}, {192, 200}, {72, 75}, {100, 104}, {110, 115}, {0, 0},
    };
    for (const auto& [dpi, percent] : cases) EXPECT_EQ(ScalePercent(dpi), percent) << dpi;
}

TEST(AboutTextTest, FileVersionIsFourUnsignedNumbersOrNothing) {
    FakeFileVersions versions;
    versions.versions[u"C:\\Zubolo.exe"] = {0x00020000, 0x24EF4624};
    versions.versions[u"C:\\Max.exe"] = {0xFFFFFFFF, 0xFFFF0000};

    EXPECT_EQ(GetFileVersionText(versions, u"C:\\Zubolo.exe"), u"2.0.9455.17956");
    EXPECT_EQ(GetFileVersionText(versions, u"C:\\Max.exe"), u"65535.65535.65535.0");
    EXPECT_EQ(GetFileVersionText(versions, u"C:\\None.exe"), u"");
}

struct AboutSourcesOnFakes : ::testing::Test {
    FakeKnownPaths paths;
    FakeFileVersions versions;
    FakeDisplay display;
    FakeClock clock;
    FakeLocale locale;
    AboutSources sources{paths, versions, display, clock, locale};
    LocalDateTime start{2025, 3, 14, 9, 0, 0, 0};

    std::vector<std::u16string> Lines() {
        return AboutTextLines(GatherAboutFacts(sources, u"V2.0", start));
    }
};

TEST_F(AboutSourcesOnFakes, TheLinesReportTheProgramTheScreenTheTimeAndTheMaker) {
    paths.program = u"C:\\Tools\\ずぼろ\\Zubolo.exe";
    versions.versions[paths.program] = {0x00020000, 0x24EF4624};
    display.width = 2560;
    display.height = 1440;
    display.dpi = 120;
    clock.now = {2025, 3, 14, 9, 5, 3, 0};
    clock.utcNow = {2025, 3, 14, 0, 5, 3, 0};

    const std::vector<std::u16string> expected{
        u"Zubolo V2.0 (2.0.9455.17956) Release Build",
        u"C:\\Tools\\ずぼろ\\Zubolo.exe",
        u"CurrentScreen 2560 x 1440 / 120dpi x 125%",
        u"Elapsed 0h5m3s",
        u"",
        u"Copyright (C) 2022-2025 Quorvane. All rights reserved.",
        u"zubolo@quorvane.example",
        u"https://quorvane.example/",
        u"made in Japan",
        u"",
        u"Peace For Ukraine\r\n14 березень 2025 пʼятниця 02:05, Ukraine Standard Time",
    };
    EXPECT_EQ(Lines(), expected);

    std::u16string joined;
    for (const std::u16string& line : expected) joined += line + u"\r\n";
    EXPECT_EQ(JoinAboutText(Lines()), joined);
    EXPECT_TRUE(JoinAboutText(Lines()).ends_with(u"Ukraine Standard Time\r\n"));
}

TEST_F(AboutSourcesOnFakes, TheNameFollowsTheProgramFileAndAMissingVersionLeavesEmptyBrackets) {
    paths.program = u"D:\\My.Tools\\Other.exe";

    EXPECT_EQ(Lines().front(), u"Other V2.0 () Release Build");
}

// In New York 01:30 on 2 November 2025 happens twice, an hour apart; the time in Ukraine comes
// from the UTC clock and so tells the two apart.
TEST_F(AboutSourcesOnFakes, TheTimeInUkraineFollowsUtcNotTheLocalZone) {
    clock.now = {2025, 11, 2, 1, 30, 0, 0};

    clock.utcNow = {2025, 11, 2, 5, 30, 0, 0};
    EXPECT_EQ(Lines().back(),
              u"Peace For Ukraine\r\n2 листопад 2025 неділя 07:30, Ukraine Standard Time");
    clock.utcNow = {2025, 11, 2, 6, 30, 0, 0};
    EXPECT_EQ(Lines().back(),
              u"Peace For Ukraine\r\n2 листопад 2025 неділя 08:30, Ukraine Standard Time");
}

TEST(AboutBoxTest, EachPaintDrawsAColourBelowWhiteWhoseParityGivesTheDirection) {
    std::mt19937 random(20221230);
    std::uint32_t first = 0;
    bool sawVertical = false;
    bool sawHorizontal = false;
    bool sawAnother = false;
    for (int paint = 0; paint < 200; ++paint) {
        const AboutBackground background = PickAboutBackground(random);
        EXPECT_LE(background.colour, 0xFFFFFEu);
        EXPECT_EQ(background.vertical, background.colour % 2 == 0) << background.colour;
        if (paint == 0) first = background.colour;
        sawAnother = sawAnother || background.colour != first;
        (background.vertical ? sawVertical : sawHorizontal) = true;
    }
    EXPECT_TRUE(sawAnother && sawVertical && sawHorizontal);
}

TEST(AboutBoxTest, ThePointerGoesTwoThirdsAcrossAndAThirdDownOk) {
    // Outer bounds 300 x 150 at (100, 200) with borders of 3 and a caption of 20; client
    // 294 x 124; OK at (110, 90) in the client area, 76 x 23.
    const ScreenPoint point = AboutCursorPoint({100, 200, 400, 350}, 294, 124, {110, 90}, 76, 23);

    EXPECT_EQ(point, (ScreenPoint{100 + 6 + 110 + 50, 200 + 26 + 90 + 7}));
    // On the screen OK spans 213..289 across and 313..336 down.
    EXPECT_TRUE(point.x >= 213 && point.x < 289 && point.y >= 313 && point.y < 336);
}

}  // namespace
}  // namespace zubolo
