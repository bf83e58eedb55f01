#pragma once
#include <string>
#include <string_view>

namespace zubolo::e2e {

// The program's settings file in the roaming application-data folder of the test prefix.
std::wstring SettingsFolder();
std::wstring SettingsPath();

// Writes the settings file before a start, as a user's earlier run would have left it.
void PlantSettings(std::string_view text);

}  // namespace zubolo::e2e
