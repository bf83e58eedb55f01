#pragma once

namespace zubolo {

// The primary monitor and the system's resolution, as the About box reports them.
class Display {
  public:
    virtual ~Display() = default;
    // Size of the primary monitor in pixels.
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    // Dots per inch of the system (96 at 100 %).
    virtual unsigned SystemDpi() const = 0;
};

}  // namespace zubolo
