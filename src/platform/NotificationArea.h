#pragma once
#include <string>

#include "platform/Handles.h"

namespace zubolo {

// The program's icon as the notification area shows it; its mouse and keyboard events arrive at
// `owner` as the tray icon's callback message.
struct NotifyIconData {
    WindowHandle owner;
    IconHandle icon;
    std::u16string tip;
};

// The shell's notification area (Shell_NotifyIconW), holding the program's one icon.
class NotificationArea {
  public:
    virtual ~NotificationArea() = default;

    // Adds the icon (NIM_ADD) and asks for the events of NOTIFYICON_VERSION_4; false when the
    // shell refused it, for instance because it holds the icon already.
    virtual bool Add(const NotifyIconData& icon) = 0;
    // Shows a new picture or tip (NIM_MODIFY); false when the shell does not hold the icon.
    virtual bool Modify(const NotifyIconData& icon) = 0;
    virtual void Delete(const NotifyIconData& icon) = 0;
};

}  // namespace zubolo
