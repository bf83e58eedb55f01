#pragma once
#include <vector>

#include "ui/Controls.h"
#include "ui/win32/WindowPeer.h"

namespace zubolo {

class ButtonPeer : public WindowPeer {
  public:
    ButtonPeer(Button& model, PeerHost& host) : WindowPeer(model, host), button_(model) {}
    void Create(HWND parent) override;
    void Apply() override;
    void ResolutionChanged() override;
    void OnCommand(int code, HWND from) override;

  private:
    void ApplyImage();

    Button& button_;
    const ImageList* shownList_ = nullptr;
    int shownIndex_ = -1;
};

class CheckBoxPeer : public WindowPeer {
  public:
    CheckBoxPeer(CheckBox& model, PeerHost& host) : WindowPeer(model, host), checkBox_(model) {}
    void Create(HWND parent) override;
    void Apply() override;
    void OnCommand(int code, HWND from) override;

  private:
    CheckBox& checkBox_;
};

class GroupBoxPeer : public WindowPeer {
  public:
    using WindowPeer::WindowPeer;
    void Create(HWND parent) override;
};

// A radio group is a group box with one radio button per item inside its frame.
class RadioGroupPeer : public WindowPeer {
  public:
    RadioGroupPeer(RadioGroup& model, PeerHost& host) : WindowPeer(model, host), group_(model) {}
    void Create(HWND parent) override;
    void Place() override;
    void Apply() override;
    void ResolutionChanged() override;
    void OnCommand(int code, HWND from) override;
    bool Owns(HWND window) const override;
    const std::vector<HWND>& Items() const { return items_; }

  private:
    RadioGroup& group_;
    std::vector<HWND> items_;
};

// The inner area of a group box frame, below its caption.
Rect GroupBoxContent(const Rect& bounds, HFONT font, int scaledBorder);

}  // namespace zubolo
