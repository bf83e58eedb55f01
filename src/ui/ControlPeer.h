#pragma once

namespace zubolo {

// What a control tells the window that mirrors it: "my state changed, show it again".
// The peer reads whatever it needs back from the control.
class ControlPeer {
  public:
    virtual ~ControlPeer() = default;
    virtual void StateChanged() = 0;
};

}  // namespace zubolo
