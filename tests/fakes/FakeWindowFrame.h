#pragma once
#include <string>
#include <vector>

#include "platform/WindowFrame.h"

namespace zubolo {

// One window and its owner as the test sets them up; every call that changes something, and
// every placement or width asked for, is recorded as text in order.
class FakeWindowFrame final : public WindowFrame {
  public:
    WindowPlacement placement{0, 1, {-1, -1}, {10, 20, 310, 220}};
    ScreenRect workArea{0, 0, 1200, 900};
    bool showing = false;
    WindowState state = WindowState::Normal;
    bool topmost = false;
    bool acceptsFiles = false;
    // The names of the next drop taken, and the drops taken so far.
    std::vector<std::u16string> droppedFiles;
    std::vector<NativeHandle> takenDrops;
    WindowHandle activeWindow;
    int charWidth = 6;  // every character of a text is this wide
    WindowHandle owner;
    std::vector<std::string> calls;

    WindowPlacement Placement(WindowHandle) override {
        calls.push_back("Placement");
        return placement;
    }
    void SetPlacement(WindowHandle, const WindowPlacement& given) override {
        const ScreenRect& r = given.normalPosition;
        calls.push_back("SetPlacement flags=" + std::to_string(given.flags) +
                        " show=" + std::to_string(given.showCmd) +
                        " max=" + std::to_string(given.maxPosition.x) + "," +
                        std::to_string(given.maxPosition.y) + " normal=" + std::to_string(r.left) +
                        "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                        std::to_string(r.bottom));
        placement = given;
    }
    ScreenRect WorkArea() override { return workArea; }
    bool IsShowing(WindowHandle) override { return showing; }
    WindowState State(WindowHandle) override { return state; }
    void SetState(WindowHandle, WindowState given) override {
        calls.push_back("SetState " + std::to_string(static_cast<int>(given)));
        state = given;
    }
    void SetTopmost(WindowHandle, bool given) override {
        calls.push_back(given ? "SetTopmost on" : "SetTopmost off");
        topmost = given;
    }
    int TextWidth(WindowHandle, std::u16string_view text) override {
        calls.push_back("TextWidth");
        return static_cast<int>(text.size()) * charWidth;
    }
    void AcceptDroppedFiles(WindowHandle, bool accept) override {
        calls.push_back(accept ? "AcceptDroppedFiles on" : "AcceptDroppedFiles off");
        acceptsFiles = accept;
    }
    std::vector<std::u16string> TakeDroppedFiles(NativeHandle drop) override {
        calls.push_back("TakeDroppedFiles");
        takenDrops.push_back(drop);
        return droppedFiles;
    }
    void Repaint(WindowHandle) override { calls.push_back("Repaint"); }
    WindowHandle Owner(WindowHandle) override { return owner; }
    void RestoreApplication(WindowHandle) override { calls.push_back("RestoreApplication"); }
    void ProcessPendingMessages() override { calls.push_back("ProcessPendingMessages"); }
    WindowHandle ActiveWindow() override { return activeWindow; }
};

}  // namespace zubolo
