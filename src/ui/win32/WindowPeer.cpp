#include "ui/win32/WindowPeer.h"

#include "platform/win32/WideText.h"

namespace zubolo {

WindowPeer::~WindowPeer() {
    model_.AttachPeer(nullptr);
}

HWND WindowPeer::MakeWindow(HWND parent, const wchar_t* windowClass, DWORD style, DWORD exStyle) {
    const std::wstring text = ToWide(model_.Caption());
    if (model_.TabStop()) style |= WS_TABSTOP;
    hwnd_ = CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | style, 0, 0, 0, 0,
                            parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(host_.Font()), FALSE);
    if (!model_.Hint().empty()) host_.AddHint(hwnd_, model_.Hint());
    model_.AttachPeer(this);
    return hwnd_;
}

bool WindowPeer::MoveToBounds() {
    const Rect& r = model_.Bounds();
    if (placed_ == r) return false;
    MoveWindow(hwnd_, r.left, r.top, r.Width(), r.Height(), TRUE);
    placed_ = r;
    return true;
}

void WindowPeer::Place() {
    MoveToBounds();
}

void WindowPeer::ApplyCommon() {
    const std::wstring text = ToWide(model_.Caption());
    std::wstring shown(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    shown.resize(
        static_cast<size_t>(GetWindowTextW(hwnd_, shown.data(), static_cast<int>(shown.size()))));
    if (shown != text) SetWindowTextW(hwnd_, text.c_str());
    EnableWindow(hwnd_, model_.Enabled() ? TRUE : FALSE);
    ShowWindow(hwnd_, model_.Visible() ? SW_SHOWNA : SW_HIDE);
}

void WindowPeer::Apply() {
    ApplyCommon();
}

void WindowPeer::ResolutionChanged() {
    placed_.reset();
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(host_.Font()), TRUE);
    Apply();
}

}  // namespace zubolo
