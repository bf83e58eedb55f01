// zubolo_e2e.exe <case> <Zubolo.exe Windows path> <screenshot folder>
// Runs one end-to-end case against Zubolo.exe; exit code 0 means the case passed.
#include <windows.h>

#include <cstring>
#include <exception>
#include <string>
#include <string_view>

#include "Cases.h"
#include "ChildProcess.h"
#include "Report.h"

namespace {

using zubolo::e2e::CaseSettings;

struct Case {
    std::wstring_view name;
    void (*run)(const CaseSettings&);
};

constexpr Case KnownCases[] = {
    {L"main_window", zubolo::e2e::RunMainWindowCase},
    {L"second_start", zubolo::e2e::RunSecondStartCase},
    {L"restart", zubolo::e2e::RunRestartCase},
    {L"trash_status", zubolo::e2e::RunTrashStatusCase},
    {L"settings_first_start", zubolo::e2e::RunSettingsFirstStartCase},
    {L"settings_restart", zubolo::e2e::RunSettingsRestartCase},
    {L"settings_save_off", zubolo::e2e::RunSettingsSaveOffCase},
    {L"popup_menus", zubolo::e2e::RunPopupMenusCase},
    {L"escape_closes", zubolo::e2e::RunEscapeClosesCase},
    {L"location_commands", zubolo::e2e::RunLocationCommandsCase},
    {L"file_drops", zubolo::e2e::RunFileDropsCase},
    {L"command_line_files", zubolo::e2e::RunCommandLineFilesCase},
    {L"explorer_linkage", zubolo::e2e::RunExplorerLinkageCase},
    {L"explorer_hung", zubolo::e2e::RunExplorerHungCase},
    {L"shortcuts", zubolo::e2e::RunShortcutsCase},
    {L"private_bins", zubolo::e2e::RunPrivateBinsCase},
    {L"about_box", zubolo::e2e::RunAboutBoxCase},
    {L"help_not_found", zubolo::e2e::RunHelpNotFoundCase},
    {L"help_viewer", zubolo::e2e::RunHelpViewerCase},
    {L"compact_view", zubolo::e2e::RunCompactViewCase},
    {L"tray_residence", zubolo::e2e::RunTrayResidenceCase},
    {L"tab_layout", zubolo::e2e::RunTabLayoutCase},
    {L"drive_table", zubolo::e2e::RunDriveTableCase},
    {L"slow_bin", zubolo::e2e::RunSlowBinCase},
    {L"late_pages", zubolo::e2e::RunLatePagesCase},
};

std::wstring FileNameOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

int Usage() {
    std::wstring names;
    for (const auto& known : KnownCases) names += L" " + std::wstring(known.name);
    zubolo::e2e::PrintLine(
        L"usage: zubolo_e2e.exe <case> <Zubolo.exe path> <screenshot folder>\ncases:" + names);
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    using zubolo::e2e::PrintLine;
    if (argc != 4) return Usage();
    const std::wstring_view name = argv[1];
    const CaseSettings settings{argv[2], argv[3]};
    for (const auto& known : KnownCases) {
        if (known.name != name) continue;
        // A program left running by an interrupted run would make this start a second instance.
        if (const int ended = zubolo::e2e::EndProcessesNamed(FileNameOf(settings.zuboloPath))) {
            PrintLine(L"note: ended " + std::to_wstring(ended) + L" left-over process(es) of " +
                      FileNameOf(settings.zuboloPath));
        }
        try {
            known.run(settings);
            PrintLine(L"PASS " + std::wstring(name));
            return 0;
        } catch (const zubolo::e2e::CaseFailure& failure) {
            PrintLine(L"FAIL " + std::wstring(name) + L": " + failure.Message());
        } catch (const std::exception& error) {
            PrintLine(L"FAIL " + std::wstring(name) + L": unexpected error: " +
                      std::wstring(error.what(), error.what() + std::strlen(error.what())));
        }
        return 1;
    }
    return Usage();
}
