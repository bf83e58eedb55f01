#pragma once
#include <optional>
#include <string>

#include "platform/win32/OwnedHandles.h"
#include "ui/Control.h"
#include "ui/ImageList.h"

namespace zubolo {

// What every peer needs from the window it lives in: the font and scale of the current
// resolution, the shared image lists, and the hint display.
class PeerHost {
  public:
    virtual ~PeerHost() = default;
    virtual HFONT Font() const = 0;
    virtual int Scale(int designPixels) const = 0;
    virtual int IconSize() const = 0;
    virtual HIMAGELIST Images(const ImageList& list) = 0;
    // The one picture `index` of `list` as an image list of its own, for a push button; made once
    // per picture and resolution and shared by the buttons that show it.
    virtual HIMAGELIST Picture(const ImageList& list, int index) = 0;
    virtual void AddHint(HWND tool, const std::u16string& hint) = 0;
};

// Mirrors one control of the model onto a real child window and turns that window's
// notifications back into changes of the model.
class WindowPeer : public ControlPeer {
  public:
    WindowPeer(Control& model, PeerHost& host) : model_(model), host_(host) {}
    ~WindowPeer() override;

    virtual void Create(HWND parent) = 0;
    // Moves the window to the control's laid-out bounds.
    virtual void Place();
    // Shows the control's state: text, enabled, visible and whatever the kind adds.
    virtual void Apply();
    // The resolution changed: fonts and pictures are made again by the host, then this runs.
    virtual void ResolutionChanged();

    virtual void OnCommand(int /*code*/, HWND /*from*/) {}
    virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual bool Owns(HWND window) const { return window == hwnd_; }

    void StateChanged() override { Apply(); }
    HWND Handle() const { return hwnd_; }
    Control& Model() const { return model_; }

  protected:
    HWND MakeWindow(HWND parent, const wchar_t* windowClass, DWORD style, DWORD exStyle = 0);
    void ApplyCommon();
    // Moves the window to the control's bounds unless it is already there; true when it moved.
    // Every move is a round trip to the window system, and layouts repeat while the window is
    // made and restored.
    bool MoveToBounds();

    Control& model_;
    PeerHost& host_;
    HWND hwnd_ = nullptr;
    std::optional<Rect> placed_;
};

}  // namespace zubolo
