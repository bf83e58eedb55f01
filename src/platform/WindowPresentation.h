#pragma once
#include "platform/Handles.h"

namespace zubolo {

// How the main window presents itself: its outer and client heights and its resolution, all in
// device pixels, and the application coming to the front. The application window's own
// showing and hiding goes through TopLevelWindows::Show.
class WindowPresentation {
  public:
    virtual ~WindowPresentation() = default;

    // Height of the whole window, title bar and borders included.
    virtual int OuterHeight(WindowHandle window) = 0;
    virtual int ClientHeight(WindowHandle window) = 0;
    // Gives the window this outer height; its width, its position and its place in the z-order
    // stay.
    virtual void SetOuterHeight(WindowHandle window, int height) = 0;

    // Dots per inch of the window's monitor; 96 at the design size.
    virtual int Dpi(WindowHandle window) = 0;

    // Brings the window the application had active last (the main window, or a box it shows
    // above it) in front of the user. `mainWindow` is owned by the application window.
    virtual void BringApplicationToFront(WindowHandle mainWindow) = 0;
};

}  // namespace zubolo
