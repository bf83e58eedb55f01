#pragma once
#include <functional>
#include <vector>

#include "about/AboutBox.h"

namespace zubolo {

// Records every About box shown; `whileOpen` runs as if the user acted while the box is open.
class FakeAboutBoxes final : public AboutBoxes {
  public:
    struct Shown {
        WindowHandle owner;
        AboutBoxContent content;
    };
    std::vector<Shown> shown;
    std::function<void(const AboutBoxContent&)> whileOpen;

    void ShowModal(WindowHandle owner, const AboutBoxContent& content) override {
        shown.push_back({owner, content});
        if (whileOpen) whileOpen(content);
    }
};

}  // namespace zubolo
