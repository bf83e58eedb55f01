#include "app/win32/Win32ProgramHost.h"

#include <commctrl.h>

#include "platform/win32/Hwnd.h"

namespace zubolo {

Win32ProgramHost::Win32ProgramHost(Application& application, int showCommand)
    : application_(application), showCommand_(showCommand) {}

Win32ProgramHost::~Win32ProgramHost() {
    formWindow_.reset();
    form_.reset();
}

WindowHandle Win32ProgramHost::ApplicationWindow() {
    if (!applicationWindow_)
        applicationWindow_ = std::make_unique<zubolo::ApplicationWindow>(application_);
    return FromHwnd(applicationWindow_->Handle());
}

void Win32ProgramHost::InitializeApplication() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_TAB_CLASSES |
                                                        ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                                                        ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

void Win32ProgramHost::CreateMainWindow() {
    form_ = std::make_unique<TZuboloForm>(application_, services_);
    formWindow_ = std::make_unique<FormWindow>(*form_, applicationWindow_->Handle());
    applicationWindow_->SetMainWindow(formWindow_->Handle());
    applicationWindow_->OnShowHintsChanged = [this] { formWindow_->ApplyShowHints(); };
    formWindow_->OnMinimizeRequested = [this] { applicationWindow_->Minimize(); };
    formWindow_->OnDestroyed = [] { PostQuitMessage(0); };
    form_->FormCreate();
}

void Win32ProgramHost::RunMessageLoop() {
    applicationWindow_->Run(frame_.ShowCommandAtStart(formWindow_->Handle(), showCommand_));
}

}  // namespace zubolo
