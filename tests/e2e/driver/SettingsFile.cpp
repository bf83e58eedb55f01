#include "SettingsFile.h"

#include <windows.h>

#include "Report.h"

namespace zubolo::e2e {

std::wstring SettingsFolder() {
    wchar_t appData[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH);
    Expect(length > 0 && length < MAX_PATH, L"the environment variable APPDATA to name a folder");
    return std::wstring(appData) + L"\\Quorvane\\Zubolo";
}

std::wstring SettingsPath() {
    return SettingsFolder() + L"\\Zubolo.ini";
}

void PlantSettings(std::string_view text) {
    const std::wstring folder = SettingsFolder();
    CreateDirectoryW(folder.substr(0, folder.rfind(L'\\')).c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    HANDLE file = CreateFileW(SettingsPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    Expect(file != INVALID_HANDLE_VALUE, L"the test to write " + Quoted(SettingsPath()));
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace zubolo::e2e
