#pragma once
#include <cstdint>
#include <string_view>

#include "platform/Handles.h"
#include "platform/Mutexes.h"
#include "platform/TopLevelWindows.h"
#include "ui/Application.h"

namespace zubolo {

// The one name that is the first application title, the mutex name and the window-property
// name; the value marks the property as ours.
struct InstanceMarkerRecord {
    std::u16string_view Name;
    std::int32_t Value;
};
inline constexpr InstanceMarkerRecord InstanceMarker{u"Zubolo", 20221230};

inline constexpr std::u16string_view AlreadyRunningMessage = u"既に起動されています。";

// Creates the named mutex, keeps its handle in the application's tag whatever happened, and
// tells whether another process created it first.
bool IsAlreadyRunning(std::u16string_view name, Mutexes& mutexes, Application& application);

// Enumeration callback: raises the first window whose property `name` holds the marker value.
// Returns true to go on with the enumeration, false at the match.
bool FindInstanceWindowProc(WindowHandle window, std::u16string_view name,
                            TopLevelWindows& windows);

// Brings the running instance's application window to the front, restoring it if minimized.
void ActivatePreviousInstance(std::u16string_view name, TopLevelWindows& windows);

}  // namespace zubolo
