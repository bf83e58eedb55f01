#pragma once
#include <string>
#include <vector>

#include "platform/WindowPresentation.h"

namespace zubolo {

// One window whose title bar and borders take `nonClientHeight`; its client height follows its
// outer height as in a real window. Every change is recorded as text in order.
class FakeWindowPresentation final : public WindowPresentation {
  public:
    int outerHeight = 285;
    int nonClientHeight = 31;
    int dpi = 96;
    std::vector<std::string> calls;

    int OuterHeight(WindowHandle) override { return outerHeight; }
    int ClientHeight(WindowHandle) override {
        return outerHeight > nonClientHeight ? outerHeight - nonClientHeight : 0;
    }
    void SetOuterHeight(WindowHandle, int height) override {
        calls.push_back("SetOuterHeight " + std::to_string(height));
        outerHeight = height;
    }
    int Dpi(WindowHandle) override { return dpi; }
    void BringApplicationToFront(WindowHandle) override {
        calls.push_back("BringApplicationToFront");
    }
};

}  // namespace zubolo
