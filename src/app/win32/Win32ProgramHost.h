#pragma once
#include <memory>

#include "app/ProgramEntry.h"
#include "mainwindow/ZuboloForm.h"
#include "ui/win32/ApplicationWindow.h"
#include "ui/win32/FormWindow.h"

namespace zubolo {

class Win32ProgramHost : public ProgramHost {
  public:
    Win32ProgramHost(Application& application, int showCommand);
    ~Win32ProgramHost() override;

    WindowHandle ApplicationWindow() override;
    void InitializeApplication() override;
    void CreateMainWindow() override;
    void RunMessageLoop() override;

  private:
    Application& application_;
    int showCommand_;
    std::unique_ptr<zubolo::ApplicationWindow> applicationWindow_;
    std::unique_ptr<TZuboloForm> form_;
    std::unique_ptr<FormWindow> formWindow_;
};

}  // namespace zubolo
