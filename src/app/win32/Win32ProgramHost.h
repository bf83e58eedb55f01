#pragma once
#include <memory>

#include "app/ProgramEntry.h"
#include "mainwindow/ZuboloForm.h"
#include "mainwindow/win32/FormWindow.h"
#include "platform/win32/Clock.h"
#include "platform/win32/Drives.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/KnownPaths.h"
#include "platform/win32/Locale.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/RecycleBin.h"
#include "platform/win32/Shell.h"
#include "platform/win32/TextCodec.h"
#include "platform/win32/TopLevelWindows.h"
#include "platform/win32/WindowFrame.h"
#include "ui/win32/ApplicationWindow.h"

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
    Win32Clock clock_;
    Win32Locale locale_;
    Win32RecycleBin recycleBin_;
    Win32TopLevelWindows windows_;
    Win32MessageBoxes boxes_;
    Win32Shell shell_;
    Win32WindowFrame frame_;
    Win32FileSystem files_;
    Win32TextCodec ansiCodePage_;
    Win32KnownPaths paths_;
    Win32Drives drives_;
    FormServices services_{clock_, locale_, recycleBin_,   windows_, boxes_, shell_,
                           frame_, files_,  ansiCodePage_, paths_,   drives_};
    std::unique_ptr<zubolo::ApplicationWindow> applicationWindow_;
    std::unique_ptr<TZuboloForm> form_;
    std::unique_ptr<FormWindow> formWindow_;
};

}  // namespace zubolo
