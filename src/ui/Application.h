#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Handles.h"
#include "ui/ControlPeer.h"
#include "ui/Controls.h"

namespace zubolo {

// A message as the message loop takes it from the queue, before it is dispatched.
struct QueuedMessage {
    WindowHandle window;
    unsigned message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

// The process-wide application object: its title is the caption of the taskbar button, which
// belongs to the hidden application window rather than to the main window.
class Application {
  public:
    const std::u16string& Title() const { return title_; }
    void SetTitle(std::u16string title);

    bool ShowHints() const { return showHints_; }
    void SetShowHints(bool show);

    // The application window, which carries the taskbar button; 0 until the window system has
    // made it.
    WindowHandle Handle() const { return handle_; }
    void SetHandle(WindowHandle handle) { handle_ = handle; }

    NativeHandle Tag() const { return tag_; }
    void SetTag(NativeHandle tag) { tag_ = tag; }

    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }
    bool MainFormOnTaskbar() const { return mainFormOnTaskbar_; }
    void SetMainFormOnTaskbar(bool onTaskbar) { mainFormOnTaskbar_ = onTaskbar; }

    void AttachPeer(ControlPeer* peer) { peer_ = peer; }

    Handler OnMinimize;
    Handler OnRestore;
    // Sees every queued message before dispatch; returns true when it handled the message.
    std::function<bool(const QueuedMessage&)> OnMessage;

  private:
    void Changed() const {
        if (peer_ != nullptr) peer_->StateChanged();
    }

    std::u16string title_;
    WindowHandle handle_{};
    bool showHints_ = false;
    NativeHandle tag_;
    bool showMainForm_ = false;
    bool mainFormOnTaskbar_ = true;
    ControlPeer* peer_ = nullptr;
};

}  // namespace zubolo
