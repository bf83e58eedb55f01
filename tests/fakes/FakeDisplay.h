#pragma once
#include "platform/Display.h"

namespace zubolo {

// A screen of the size and resolution that the test sets.
class FakeDisplay final : public Display {
  public:
    int width = 1920;
    int height = 1080;
    unsigned dpi = 96;

    int ScreenWidth() const override { return width; }
    int ScreenHeight() const override { return height; }
    unsigned SystemDpi() const override { return dpi; }
};

}  // namespace zubolo
