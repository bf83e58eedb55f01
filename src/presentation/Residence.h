#pragma once

namespace zubolo {

// Where the program stays while it is minimized.
enum class Residence {
    Taskbar,           // its taskbar button
    NotificationArea,  // its icon in the notification area, without a taskbar button
};

// The residence chosen by the selected item of the "最小化時" radio group: item 0 the taskbar;
// item 1, and also no selection at all (-1, only reachable through the settings file), the
// notification area.
constexpr Residence ResidenceOf(int selectedItem) {
    return selectedItem == 0 ? Residence::Taskbar : Residence::NotificationArea;
}

}  // namespace zubolo
