#pragma once
#include <vector>

#include "ui/Controls.h"
#include "ui/win32/WindowPeer.h"

namespace zubolo {

// Keeps the rows of the window in step with the model row by row, so that the selection, the
// scroll position and the widths the user dragged survive a change of figures. Columns are sized
// only when the model asks for it.
class ListViewPeer : public WindowPeer {
  public:
    ListViewPeer(ListView& model, PeerHost& host) : WindowPeer(model, host), list_(model) {}
    void Create(HWND parent) override;
    void Apply() override;
    void ResolutionChanged() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

  private:
    void MakeColumns();
    void SizeColumns();
    int ColumnWidth(const ListColumn& column) const;
    void ApplyItems();
    void ApplyRow(int row, const ListItem& item);
    void ApplySelection();

    ListView& list_;
    std::vector<ListColumn> shownColumns_;
    unsigned sizedRequests_ = 0;
    std::vector<ListItem> shownItems_;
    // True while the peer changes the window, whose notifications then say nothing new.
    bool applying_ = false;
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
