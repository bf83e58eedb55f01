#include <gtest/gtest.h>

#include <string>

#include "about/MakerInfo.h"
#include "unit/FormFixture.h"

namespace zubolo {
namespace {

constexpr WindowHandle MainWindow{0x4242};
constexpr WindowHandle AboutBoxWindow{0x7777};

struct AboutCommand : FormTest {
    AboutCommand() {
        form.SetHandle(MainWindow);
        form.SetCaption(u"ずぼろ");
        fakes.paths.program = u"C:\\Tools\\Zubolo.exe";
        fakes.versions.versions[fakes.paths.program] = {0x00020000, 0x00000000};
    }
};

TEST_F(AboutCommand, ShowsTheAboutTextUnderTheWindowsCaptionWithTheDownloadPageAsTheIconsHint) {
    form.AppStartTime1 = {2025, 3, 14, 9, 0, 0, 0};
    fakes.clock.now = {2025, 3, 14, 9, 0, 59, 0};

    form.ButtonAboutClick();

    ASSERT_EQ(fakes.aboutBoxes.shown.size(), 1u);
    const auto& shown = fakes.aboutBoxes.shown[0];
    EXPECT_EQ(shown.owner, MainWindow);
    EXPECT_EQ(shown.content.caption, u"ずぼろ");
    EXPECT_TRUE(shown.content.text.starts_with(
        u"Zubolo V2.0 (2.0.0.0) Release Build\r\nC:\\Tools\\Zubolo.exe\r\n"
        u"CurrentScreen 1920 x 1080 / 96dpi x 100%\r\nElapsed 0h0m59s\r\n\r\n"))
        << std::string(shown.content.text.begin(), shown.content.text.end());
    EXPECT_EQ(shown.content.iconHint, DownloadPageUrl);
}

TEST_F(AboutCommand, HintsAreOnWhileTheBoxIsOpenAndAsBeforeAfterwards) {
    for (bool before : {false, true}) {
        app.SetShowHints(before);
        bool whileOpen = false;
        fakes.aboutBoxes.whileOpen = [&](const AboutBoxContent&) { whileOpen = app.ShowHints(); };

        form.ButtonAboutClick();

        EXPECT_TRUE(whileOpen);
        EXPECT_EQ(app.ShowHints(), before);
        EXPECT_EQ(form.CheckBoxShowHint.Checked(), false) << "the check box is left alone";
    }
}

TEST_F(AboutCommand, TheIconOpensTheDownloadPageAndAFailureBoxBelongsToTheAboutBox) {
    fakes.shell.openResult = 2;
    fakes.aboutBoxes.whileOpen = [](const AboutBoxContent& content) {
        content.iconClicked(AboutBoxWindow);
    };

    form.ButtonAboutClick();

    ASSERT_EQ(fakes.shell.openCalls.size(), 1u);
    EXPECT_EQ(fakes.shell.openCalls[0].file, DownloadPageUrl);
    EXPECT_FALSE(fakes.shell.openCalls[0].parameters);
    ASSERT_EQ(fakes.boxes.plainBoxes.size(), 1u);
    EXPECT_EQ(fakes.boxes.plainBoxes[0].owner, AboutBoxWindow);
    EXPECT_TRUE(fakes.boxes.plainBoxes[0].text.ends_with(DownloadPageUrl));
}

TEST_F(AboutCommand, EveryPaintDrawsTheNextColourOfTheGeneratorSeededAtCreation) {
    form.Random.seed(7);
    std::mt19937 expected(7);
    fakes.aboutBoxes.whileOpen = [&](const AboutBoxContent& content) {
        for (int paint = 0; paint < 3; ++paint) {
            const AboutBackground drawn = content.nextBackground();
            const AboutBackground next = PickAboutBackground(expected);
            EXPECT_EQ(drawn.colour, next.colour);
            EXPECT_EQ(drawn.vertical, next.vertical);
        }
    };

    form.ButtonAboutClick();
}

}  // namespace
}  // namespace zubolo
