#pragma once
#include <memory>

#include "about/win32/AboutBoxWindow.h"
#include "app/ProgramEntry.h"
#include "mainwindow/ZuboloForm.h"
#include "mainwindow/win32/FormWindow.h"
#include "platform/win32/Clock.h"
#include "platform/win32/DiskQueries.h"
#include "platform/win32/Display.h"
#include "platform/win32/Drives.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/FileVersions.h"
#include "platform/win32/KnownPaths.h"
#include "platform/win32/Locale.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/Process.h"
#include "platform/win32/RecycleBin.h"
#include "platform/win32/Shell.h"
#include "platform/win32/ShellLinks.h"
#include "platform/win32/TextCodec.h"
#include "platform/win32/TopLevelWindows.h"
#include "platform/win32/WindowFrame.h"
#include "platform/win32/WindowPresentation.h"
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
    Win32Process process_;
    Win32ShellLinks links_;
    Win32FileVersions versions_;
    Win32Display display_;
    Win32AboutBoxes aboutBoxes_;
    Win32WindowPresentation presentation_;
    Win32Drives drives_;
    Win32DiskQueries diskQueries_;
    FormServices services_{clock_,        locale_, recycleBin_, windows_,      boxes_,
                           shell_,        frame_,  files_,      ansiCodePage_, paths_,
                           process_,      links_,  versions_,   display_,      aboutBoxes_,
                           presentation_, drives_, diskQueries_};
    std::unique_ptr<zubolo::ApplicationWindow> applicationWindow_;
    std::unique_ptr<TZuboloForm> form_;
    std::unique_ptr<FormWindow> formWindow_;
};

}  // namespace zubolo
