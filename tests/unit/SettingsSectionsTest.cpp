#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "fakes/FakeTextCodec.h"
#include "settings/ModeSection.h"
#include "settings/PositionSection.h"

namespace zubolo {
namespace {

const FakeTextCodec Latin1;
const WindowPlacement Current{2, 1, {-1, -1}, {10, 20, 310, 220}};
const ScreenRect WorkArea{0, 0, 1200, 900};

IniDocument Parse(std::string_view bytes) {
    return IniDocument::Parse(bytes, Latin1);
}

struct PlacementCase {
    std::string_view file;
    WindowPlacement expected;
};

TEST(SettingsSectionsTest, PlacementFallsBackToTheCurrentOneAndTheWorkAreaThirds) {
    const PlacementCase cases[] = {
        {"", {2, 1, {-1, -1}, {400, 300, 800, 600}}},
        // Right and Bottom default to twice the Left and Top just read.
        {"[POSITION]\r\nLeft=100\r\n", {2, 1, {-1, -1}, {100, 300, 200, 600}}},
        {"[POSITION]\r\nTop=-5\r\nRight=one\r\n", {2, 1, {-1, -1}, {400, -5, 800, -10}}},
        {"[POSITION]\r\nLeft=2000000000\r\n", {2, 1, {-1, -1}, {2000000000, 300, 2147483647, 600}}},
        {"[position]\r\nFlags=0\r\nShowCmd=3\r\nMaxX=7\r\nMaxY=8\r\nLeft=1\r\nTop=2\r\n"
         "Right=30\r\nBottom=40\r\n",
         {0, 3, {7, 8}, {1, 2, 30, 40}}},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(ReadPositionPlacement(Parse(c.file), Current, WorkArea), c.expected);
    }
}

TEST(SettingsSectionsTest, WindowStateIsReadUnderAnyCaseOfItsKeyAndOnlyWhenItNamesAState) {
    const std::pair<std::string_view, WindowState> cases[] = {
        {"", WindowState::Maximized},
        {"[POSITION]\r\nstate=0\r\n", WindowState::Normal},
        {"[POSITION]\r\nState=1\r\n", WindowState::Minimized},
        {"[POSITION]\r\nSTATE=0\r\n", WindowState::Normal},
        {"[POSITION]\r\nState=3\r\n", WindowState::Maximized},
        {"[POSITION]\r\nState=-1\r\n", WindowState::Maximized},
    };
    for (const auto& [file, expected] : cases) {
        SCOPED_TRACE(file);
        EXPECT_EQ(ReadPositionState(Parse(file), WindowState::Maximized), expected);
    }
}

TEST(SettingsSectionsTest, ModesTakeTheirDefaultsKeyByKey) {
    EXPECT_EQ(ReadModeSection(Parse("")), ModeSettings{});

    const ModeSettings read = ReadModeSection(
        Parse("[MODE]\r\nDragDrop=2\r\nStayOnTop=1\r\nMinimize=-1\r\nCloseQuery=1\r\n"
              "SaveStatus=0\r\nAutoWidth=0\r\nFolded=2\r\nOriginHeight=321\r\nShowHint=1\r\n"));
    EXPECT_EQ(read, (ModeSettings{2, true, -1, true, false, false, true, 321, true}));

    const ModeSettings unusable =
        ReadModeSection(Parse("[MODE]\r\nDragDrop=x\r\nSaveStatus=\r\nFolded=\r\n"));
    EXPECT_EQ(unusable, ModeSettings{});
}

TEST(SettingsSectionsTest, WritingReplacesBothSectionsWithTheirKeysInOrderAfterOtherSections) {
    IniDocument document = Parse(
        "[POSITION]\r\nLeft=1\r\nOld=1\r\n\r\n[MODE]\r\nShowHint=1\r\n\r\n[Other]\r\nkeep=1\r\n");
    WritePositionSection(document, {0, 3, {-1, -8}, {100, 50, 700, 450}}, WindowState::Maximized);
    WriteModeSection(document, {1, true, 0, false, true, true, true, 123, false});
    EXPECT_EQ(document.Serialise(Latin1),
              "[Other]\r\nkeep=1\r\n\r\n"
              "[POSITION]\r\nFlags=0\r\nShowCmd=3\r\nMaxX=-1\r\nMaxY=-8\r\nLeft=100\r\nTop=50\r\n"
              "Right=700\r\nBottom=450\r\nState=2\r\n\r\n"
              "[MODE]\r\nDragDrop=1\r\nStayOnTop=1\r\nMinimize=0\r\nCloseQuery=0\r\n"
              "SaveStatus=1\r\nAutoWidth=1\r\nFolded=1\r\nOriginHeight=123\r\nShowHint=0\r\n\r\n");

    ErasePositionSection(document);
    EraseModeSection(document);
    EXPECT_EQ(document.Serialise(Latin1), "[Other]\r\nkeep=1\r\n\r\n");
}

}  // namespace
}  // namespace zubolo
