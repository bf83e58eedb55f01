#pragma once
#include <windows.h>

#include <functional>

#include "ui/Application.h"
#include "ui/win32/MemberWindowProc.h"

namespace zubolo {

// The application object's own top-level window. It has no size, carries the taskbar button
// (its caption is the application title) and owns the main window; minimizing the program
// minimizes this window and hides the main window, restoring brings both back.
class ApplicationWindow : public ControlPeer {
  public:
    static constexpr wchar_t ClassName[] = L"ZuboloApplication";

    explicit ApplicationWindow(Application& application);
    ~ApplicationWindow() override;
    ApplicationWindow(const ApplicationWindow&) = delete;
    ApplicationWindow& operator=(const ApplicationWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }
    // Runs when the application-wide hint switch changes.
    std::function<void()> OnShowHintsChanged;

    void Minimize();
    void Restore();
    // Shows the main window with `showCommand` (SW_SHOWMINNOACTIVE starts minimized) and runs
    // the message loop until it ends.
    void Run(int showCommand);

    void StateChanged() override;

  private:
    template <class Window>
    friend LRESULT CALLBACK MemberWindowProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    Application& application_;
    UniqueWindow hwnd_;
    HWND mainWindow_ = nullptr;
    bool minimized_ = false;
    bool showHints_ = false;
};

}  // namespace zubolo
