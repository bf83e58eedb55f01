#pragma once
#include <functional>
#include <vector>

#include "ui/Controls.h"
#include "ui/win32/WindowPeer.h"

namespace zubolo {

// A tab sheet is a plain container window over the tab control's page area, shown while it
// is the active page. It hands its children's notifications up to the form.
class TabSheetPeer : public WindowPeer {
  public:
    TabSheetPeer(TabSheet& model, PeerHost& host) : WindowPeer(model, host), sheet_(model) {}
    void Create(HWND parent) override;
    void Apply() override;

    // Runs whenever the sheet is about to be shown (also when it is shown already), before its
    // window shows: the window that holds the sheet makes the windows of the page's controls
    // then, the first time.
    std::function<void()> OnShowing;

    static void RegisterWindowClass();

  private:
    TabSheet& sheet_;
};

class PageControlPeer : public WindowPeer {
  public:
    PageControlPeer(PageControl& model, PeerHost& host) : WindowPeer(model, host), pages_(model) {}
    void Create(HWND parent) override;
    void Apply() override;
    void ResolutionChanged() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    // The area of the pages inside the tab control's bounds.
    Rect PageArea(const Rect& bounds) const;
    // The sheets follow the active page: each is shown or hidden whenever the tabs change.
    void AddSheet(TabSheetPeer& sheet) { sheets_.push_back(&sheet); }

  private:
    void ApplyTabs();
    void ApplyTabWidth();

    PageControl& pages_;
    std::vector<TabSheetPeer*> sheets_;
    std::vector<TabSheet*> shownTabs_;
    int shownTabWidth_ = 0;
};

}  // namespace zubolo
