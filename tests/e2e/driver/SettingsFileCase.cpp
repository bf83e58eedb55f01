// The settings file across starts: where a first start puts the window and what a close writes,
// the place and modes coming back after a restart, the close question (never at the logoff
// query), and closing with "状態を保存" unchecked.
#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Cases.h"
#include "ChildProcess.h"
#include "MainWindowInput.h"
#include "MessageBoxes.h"
#include "Polling.h"
#include "SettingsFile.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

constexpr wchar_t CloseQuestion[] = L"終了してよいですか？";
constexpr int SettingsPageIndex = 2;
constexpr int HelpPageIndex = 3;

const std::vector<std::wstring> ProgramKeys = {L"Name", L"Path", L"Version", L"IniFile",
                                               L"LastClose"};
const std::vector<std::wstring> PositionKeys = {L"Flags", L"ShowCmd", L"MaxX",   L"MaxY", L"Left",
                                                L"Top",   L"Right",   L"Bottom", L"State"};
const std::vector<std::wstring> ModeKeys = {L"DragDrop",   L"StayOnTop",    L"Minimize",
                                            L"CloseQuery", L"SaveStatus",   L"AutoWidth",
                                            L"Folded",     L"OriginHeight", L"ShowHint"};

// --- the settings file ---

// The file's text (in the ANSI code page, as the program writes it); nothing when it is missing.
std::optional<std::wstring> ReadSettings() {
    HANDLE file = CreateFileW(SettingsPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(GetFileSize(file, nullptr)), '\0');
    DWORD read = 0;
    const BOOL ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    Expect(ok && read == bytes.size(), L"the settings file to be readable");
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                            static_cast<int>(text.size()))));
    return text;
}

std::wstring ReadExistingSettings() {
    const auto text = ReadSettings();
    Expect(text.has_value(), L"a settings file at " + Quoted(SettingsPath()));
    return *text;
}

struct Section {
    std::wstring name;
    std::vector<std::pair<std::wstring, std::wstring>> entries;
};

std::vector<Section> Sections(std::wstring_view text) {
    std::vector<Section> sections;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(L"\r\n"), text.size());
        const std::wstring_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 2, text.size()));
        if (line.starts_with(L'[') && line.ends_with(L']')) {
            sections.push_back({std::wstring(line.substr(1, line.size() - 2)), {}});
        } else if (!line.empty() && !sections.empty()) {
            const std::size_t equals = line.find(L'=');
            sections.back().entries.emplace_back(
                line.substr(0, equals),
                equals == std::wstring_view::npos ? std::wstring_view() : line.substr(equals + 1));
        }
    }
    return sections;
}

std::wstring Joined(const std::vector<std::wstring>& texts) {
    std::wstring joined;
    for (const auto& text : texts) joined += (joined.empty() ? L"" : L", ") + text;
    return L"[" + joined + L"]";
}

// The sections by name, each with exactly its keys in order.
void ExpectLayout(const std::vector<Section>& sections,
                  const std::vector<std::pair<std::wstring, std::vector<std::wstring>>>& expected) {
    std::vector<std::wstring> names;
    for (const Section& section : sections) names.push_back(section.name);
    std::vector<std::wstring> expectedNames;
    for (const auto& [name, keys] : expected) expectedNames.push_back(name);
    ExpectText(L"sections of the settings file", Joined(expectedNames), Joined(names));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        std::vector<std::wstring> keys;
        for (const auto& entry : sections[i].entries) keys.push_back(entry.first);
        ExpectText(L"keys of section " + expected[i].first, Joined(expected[i].second),
                   Joined(keys));
    }
}

const Section& SectionNamed(const std::vector<Section>& sections, std::wstring_view name) {
    for (const Section& section : sections) {
        if (section.name == name) return section;
    }
    Fail(L"a section " + std::wstring(name) + L" in the settings file");
}

std::wstring Value(const std::vector<Section>& sections, std::wstring_view section,
                   std::wstring_view key) {
    for (const auto& entry : SectionNamed(sections, section).entries) {
        if (entry.first == key) return entry.second;
    }
    Fail(L"a key " + std::wstring(key) + L" in section " + std::wstring(section));
}

void ExpectValue(const std::vector<Section>& sections, std::wstring_view section,
                 std::wstring_view key, std::wstring_view expected) {
    ExpectText(std::wstring(section) + L"." + std::wstring(key), expected,
               Value(sections, section, key));
}

void ExpectProgramSection(const std::vector<Section>& sections, const CaseSettings& settings) {
    const std::wstring& program = settings.zuboloPath;
    const std::size_t slash = program.find_last_of(L"\\/");
    ExpectValue(sections, L"PROGRAM", L"Name", program.substr(slash + 1));
    ExpectValue(sections, L"PROGRAM", L"Path", program.substr(0, slash));
    ExpectValue(sections, L"PROGRAM", L"Version", L"V2.0");
    const std::wstring iniFile = Value(sections, L"PROGRAM", L"IniFile");
    Expect(
        CompareStringOrdinal(iniFile.c_str(), -1, SettingsPath().c_str(), -1, TRUE) == CSTR_EQUAL,
        L"PROGRAM.IniFile to name " + Quoted(SettingsPath()) + L"; it is " + Quoted(iniFile));
    Expect(!Value(sections, L"PROGRAM", L"LastClose").empty(), L"PROGRAM.LastClose to be written");
}

void ExpectNormalRectangle(const std::vector<Section>& sections, const RECT& rect) {
    ExpectValue(sections, L"POSITION", L"Left", std::to_wstring(rect.left));
    ExpectValue(sections, L"POSITION", L"Top", std::to_wstring(rect.top));
    ExpectValue(sections, L"POSITION", L"Right", std::to_wstring(rect.right));
    ExpectValue(sections, L"POSITION", L"Bottom", std::to_wstring(rect.bottom));
}

// --- the running program ---

// The normal (restored) rectangle of a window that is not maximized or minimized.
RECT NormalRectangle(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    Expect(GetWindowPlacement(window, &placement) != FALSE, L"the main window's placement");
    return placement.rcNormalPosition;
}

std::wstring Describe(const RECT& rect) {
    return L"(" + std::to_wstring(rect.left) + L", " + std::to_wstring(rect.top) + L", " +
           std::to_wstring(rect.right) + L", " + std::to_wstring(rect.bottom) + L")";
}

void ExpectRectangle(std::wstring_view what, const RECT& expected, const RECT& seen) {
    if (!EqualRect(&expected, &seen)) {
        Fail(std::wstring(what) + L": expected " + Describe(expected) + L", saw " + Describe(seen));
    }
}

// One to two thirds of the work area in both directions.
RECT WorkAreaThirds() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const LONG left = (area.right - area.left) / 3;
    const LONG top = (area.bottom - area.top) / 3;
    return {left, top, 2 * left, 2 * top};
}

bool IsTopmost(HWND window) {
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// Brings the page to the front as a click on its tab does and reads the button's check there.
bool IsChecked(HWND main, int page, std::wstring_view caption) {
    return SendMessageW(ShowPageButton(main, page, caption), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ExpectChecked(HWND main, int page, std::wstring_view caption, bool checked) {
    Expect(IsChecked(main, page, caption) == checked,
           Quoted(caption) + (checked ? L" to be checked" : L" to be unchecked"));
}

// Opens page "設 定" as a click on its tab does and clicks the control there.
void ClickOnSettingsPage(HWND main, std::wstring_view caption) {
    SendMessageW(ShowPageButton(main, SettingsPageIndex, caption), BM_CLICK, 0, 0);
}

// Asks the program to close and answers its question.
void AnswerCloseQuestion(const ChildProcess& process, const ZuboloWindows& windows, int answer) {
    PostMessageW(windows.main, WM_CLOSE, 0, 0);
    HWND box = WaitForMessageBox(process.Id());
    ExpectText(L"close question text", CloseQuestion, MessageBoxText(box));
    ExpectText(L"close question caption", AppDisplayName, WindowText(box));
    Expect(GetWindow(box, GW_OWNER) == windows.application,
           L"the close question to be owned by the application window");
    Expect(MessageBoxShowsIcon(box), L"the close question to show its question icon");
    PressMessageBoxButton(box, answer);
}

// Waits until the program has finished the message it is working on.
void WaitUntilIdle(HWND window) {
    DWORD_PTR result = 0;
    Expect(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0,
           L"the program to answer a message within 5 s");
}

void CloseAndExpectExit(ChildProcess& process) {
    ExpectNumber(L"exit code after the close", 0, process.WaitForExitCode(Deadline));
}

}  // namespace

void RunSettingsFirstStartCase(const CaseSettings& settings) {
    Expect(!ReadSettings(), L"no settings file before the first start");
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);

    const RECT normal = NormalRectangle(windows.main);
    ExpectRectangle(L"normal rectangle at the first start", WorkAreaThirds(), normal);
    Expect(!IsTopmost(windows.main), L"the main window not to be topmost at the first start");
    CloseZubolo(zubolo, windows);

    const auto sections = Sections(ReadExistingSettings());
    ExpectLayout(sections,
                 {{L"PROGRAM", ProgramKeys}, {L"POSITION", PositionKeys}, {L"MODE", ModeKeys}});
    ExpectProgramSection(sections, settings);
    ExpectNormalRectangle(sections, normal);
    ExpectValue(sections, L"POSITION", L"State", L"0");
    const std::pair<std::wstring_view, std::wstring_view> defaults[] = {
        {L"DragDrop", L"0"},   {L"StayOnTop", L"0"},    {L"Minimize", L"0"},
        {L"CloseQuery", L"0"}, {L"SaveStatus", L"1"},   {L"AutoWidth", L"1"},
        {L"Folded", L"0"},     {L"OriginHeight", L"0"}, {L"ShowHint", L"0"},
    };
    for (const auto& [key, value] : defaults) ExpectValue(sections, L"MODE", key, value);
}

void RunSettingsRestartCase(const CaseSettings& settings) {
    const RECT moved{100, 120, 600, 420};
    {
        ChildProcess zubolo(settings.zuboloPath);
        const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
        ClickOnSettingsPage(windows.main, L"常に最前面");
        ExpectChecked(windows.main, SettingsPageIndex, L"常に最前面", true);
        ClickOnSettingsPage(windows.main, L"確認する");
        ClickOnSettingsPage(windows.main, L"毎回確認する");
        ClickOnSettingsPage(windows.main, L"自動幅調整");
        SetWindowPos(windows.main, nullptr, moved.left, moved.top, moved.right - moved.left,
                     moved.bottom - moved.top, SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(windows.main, SW_MAXIMIZE);
        WaitFor(L"the main window to be maximized",
                [&] { return IsZoomed(windows.main) != FALSE; });

        AnswerCloseQuestion(zubolo, windows, IDNO);
        WaitUntilIdle(windows.main);
        Expect(!zubolo.HasExited() && IsWindowVisible(windows.main),
               L"the window to stay open after No");
        Expect(!ReadSettings(), L"no settings file to be written after No");

        AnswerCloseQuestion(zubolo, windows, IDYES);
        CloseAndExpectExit(zubolo);
    }
    const auto sections = Sections(ReadExistingSettings());
    ExpectLayout(sections,
                 {{L"PROGRAM", ProgramKeys}, {L"POSITION", PositionKeys}, {L"MODE", ModeKeys}});
    ExpectNormalRectangle(sections, moved);
    ExpectValue(sections, L"POSITION", L"ShowCmd", std::to_wstring(SW_SHOWMAXIMIZED));
    ExpectValue(sections, L"POSITION", L"State", L"2");
    ExpectValue(sections, L"MODE", L"StayOnTop", L"1");
    ExpectValue(sections, L"MODE", L"CloseQuery", L"1");
    ExpectValue(sections, L"MODE", L"DragDrop", L"2");
    ExpectValue(sections, L"MODE", L"AutoWidth", L"0");

    ChildProcess again(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(again);
    Expect(IsZoomed(windows.main) != FALSE, L"the restarted window to be maximized again");
    // This Wine reports another process's window rectangle as its normal one, so the normal
    // rectangle is seen by restoring the window.
    ShowWindow(windows.main, SW_RESTORE);
    WaitFor(L"the main window to be restored", [&] { return IsZoomed(windows.main) == FALSE; });
    ExpectRectangle(L"normal rectangle after the restart", moved, NormalRectangle(windows.main));
    // Stay-on-top shows in the check box, not in WS_EX_TOPMOST: this Wine links a window that owns
    // a topmost popup (the hint window) below that popup without the topmost style.
    ExpectChecked(windows.main, SettingsPageIndex, L"常に最前面", true);
    ExpectChecked(windows.main, SettingsPageIndex, L"確認する", true);
    ExpectChecked(windows.main, SettingsPageIndex, L"毎回確認する", true);
    ExpectChecked(windows.main, SettingsPageIndex, L"自動幅調整", false);
    ExpectChecked(windows.main, SettingsPageIndex, L"状態を保存", true);

    // The system's logoff query is answered without the question, and the settings are written.
    DeleteFileW(SettingsPath().c_str());
    DWORD_PTR answer = 0;
    Expect(SendMessageTimeoutW(windows.main, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 5000,
                               &answer) != 0,
           L"the program to answer WM_QUERYENDSESSION within 5 s");
    ExpectNumber(L"answer to WM_QUERYENDSESSION", TRUE, static_cast<long long>(answer));
    Expect(FindMessageBox(again.Id()) == nullptr, L"no question at the logoff query");
    Expect(ReadSettings().has_value(), L"the settings file to be written at the logoff query");

    AnswerCloseQuestion(again, windows, IDYES);
    CloseAndExpectExit(again);
}

void RunSettingsSaveOffCase(const CaseSettings& settings) {
    PlantSettings(
        "[Foreign]\r\nkeep=1\r\n\r\n"
        "[POSITION]\r\nLeft=50\r\nTop=60\r\nRight=550\r\nBottom=460\r\n\r\n"
        "[MODE]\r\nSaveStatus=0\r\nShowHint=1\r\n\r\n");
    {
        ChildProcess zubolo(settings.zuboloPath);
        const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
        ExpectRectangle(L"normal rectangle from the planted file", {50, 60, 550, 460},
                        NormalRectangle(windows.main));
        ExpectChecked(windows.main, SettingsPageIndex, L"状態を保存", false);
        ExpectChecked(windows.main, HelpPageIndex, L"Show Hint", true);
        CloseZubolo(zubolo, windows);
    }
    auto sections = Sections(ReadExistingSettings());
    ExpectLayout(sections, {{L"Foreign", {L"keep"}}, {L"PROGRAM", ProgramKeys}});
    ExpectValue(sections, L"Foreign", L"keep", L"1");
    ExpectProgramSection(sections, settings);

    // Without POSITION and MODE the next start takes the defaults, saving included.
    ChildProcess again(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(again);
    ExpectRectangle(L"normal rectangle after a close without saving", WorkAreaThirds(),
                    NormalRectangle(windows.main));
    ExpectChecked(windows.main, SettingsPageIndex, L"状態を保存", true);
    ExpectChecked(windows.main, HelpPageIndex, L"Show Hint", false);
    CloseZubolo(again, windows);
    sections = Sections(ReadExistingSettings());
    ExpectLayout(sections, {{L"Foreign", {L"keep"}},
                            {L"PROGRAM", ProgramKeys},
                            {L"POSITION", PositionKeys},
                            {L"MODE", ModeKeys}});
}

}  // namespace zubolo::e2e
