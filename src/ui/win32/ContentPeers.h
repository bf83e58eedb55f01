#pragma once
#include <vector>

#include "ui/Controls.h"
#include "ui/win32/WindowPeer.h"

namespace zubolo {

class ListViewPeer : public WindowPeer {
  public:
    ListViewPeer(ListView& model, PeerHost& host) : WindowPeer(model, host), list_(model) {}
    void Create(HWND parent) override;
    void Apply() override;
    void ResolutionChanged() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

  private:
    void ApplyColumns();
    void ApplyItems();

    ListView& list_;
};

// Panels keep their design widths; the text is centred by the status bar's own rule: a
// leading tab character.
class StatusBarPeer : public WindowPeer {
  public:
    StatusBarPeer(StatusBar& model, PeerHost& host) : WindowPeer(model, host), status_(model) {}
    void Create(HWND parent) override;
    void Apply() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

  private:
    StatusBar& status_;
};

class MemoPeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    void Create(HWND parent) override;
};

class ImagePeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    void Create(HWND parent) override;
};

}  // namespace zubolo
