#pragma once
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "mainwindow/ZuboloForm.h"
#include "ui/Layout.h"
#include "ui/win32/ImageLists.h"
#include "ui/win32/MemberWindowProc.h"
#include "ui/win32/MenuPeer.h"
#include "ui/win32/PagePeers.h"
#include "ui/win32/TrayIconPeer.h"
#include "ui/win32/WindowPeer.h"

namespace zubolo {

// The real main window: creates a child window for every control of the form, lays them out
// at the window's resolution, and routes Windows messages to the form's handlers.
class FormWindow : public PeerHost, public LayoutMetrics, public ControlPeer {
  public:
    static constexpr wchar_t ClassName[] = L"TZuboloForm";

    FormWindow(TZuboloForm& form, HWND owner);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    // Turns the hint display on or off after the application-wide switch.
    void ApplyShowHints();
    // Called when the window is destroyed; the message loop ends after it.
    std::function<void()> OnDestroyed;
    // Called when the user minimizes the window.
    std::function<void()> OnMinimizeRequested;

    // PeerHost and LayoutMetrics.
    HFONT Font() const override { return font_.get(); }
    int Scale(int designPixels) const override;
    int IconSize() const override { return Scale(16); }
    HIMAGELIST Images(const ImageList& list) override;
    HIMAGELIST Picture(const ImageList& list, int index) override;
    void AddHint(HWND tool, const std::u16string& hint) override;
    Rect ContentArea(const Control& container, const Rect& bounds) const override;

    // The form's caption.
    void StateChanged() override;

  private:
    static void RegisterWindowClass();
    template <class Window>
    friend LRESULT CALLBACK MemberWindowProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Makes the windows of the controls under `parent`; those of a page wait for MakePageControls.
    void CreatePeers(Control& parent, HWND hostWindow);
    std::unique_ptr<WindowPeer> MakePeer(Control& control);
    // Makes the windows of the page's controls, the first time the page comes to the front of the
    // shown window.
    void MakePageControls(TabSheet& page);
    void OrderTabStops(const Control& host);
    void Layout(ResizeEvents events = ResizeEvents::Changed);
    void ChangeResolution(UINT dpi);
    WindowPeer* PeerOf(HWND window) const;
    // The control whose window is `window` or holds it; the form for anything else.
    const Control& ControlOf(HWND window) const;
    // A right click (or the menu key) on `clicked`; false when no menu opens there.
    bool OpenContextMenu(HWND clicked, LPARAM screenPoint);
    void ShowPopupMenu(PopupMenu& menu, POINT at);
    void RunShortcutAtFocus(int key);
    bool SetHandCursor(HWND window) const;

    TZuboloForm& form_;
    UniqueWindow hwnd_;
    UINT dpi_ = 96;
    UniqueFont font_;
    UniqueIcon smallIcon_;
    std::map<const ImageList*, UniqueImageList> imageLists_;
    std::map<std::pair<const ImageList*, int>, UniqueImageList> pictures_;
    // Lists the program fills at run time (the drive icons).
    std::map<const ImageList*, std::unique_ptr<RuntimeImageList>> runtimeImageLists_;
    HWND tooltip_ = nullptr;
    std::vector<std::unique_ptr<WindowPeer>> peers_;
    std::map<const Control*, WindowPeer*> peerOf_;
    // The start makes the windows of what it shows only: the controls of a page get theirs when
    // the page first comes to the front of the window once it has been shown. Until then the
    // control model holds their whole state, which their windows show when they are made.
    std::vector<TabSheet*> unmadePages_;
    bool shown_ = false;
    std::unique_ptr<TrayIconPeer> tray_;
    MenuPeer menus_{*this};
};

}  // namespace zubolo
