#pragma once
#include <windows.h>

namespace zubolo::e2e {

// A visible top-level window of the driver that carries the property "Zubolo" with a value that
// is not the program's marker: a later start of the program must pass it over.
//
// The window has a thread of its own that waits for messages all the time. When the program's
// message box closes, Wine hands the activation to the next window in z-order, this one, and the
// program then raises its first instance. Applied late (by a thread that only looks at its
// messages between polls), that first activation would often take the X focus back from the
// first instance, and Wine would make the desktop the foreground window.
class ForeignWindow {
  public:
    explicit ForeignWindow(INT_PTR propertyValue);
    ~ForeignWindow();
    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;

    // Puts the window on top and makes it the foreground window.
    void BringToForeground();

  private:
    static DWORD WINAPI RunThread(void* self);

    INT_PTR propertyValue_;
    HANDLE created_ = nullptr;  // event: the thread has created the window (or failed to)
    HANDLE thread_ = nullptr;
    HWND window_ = nullptr;
};

}  // namespace zubolo::e2e
