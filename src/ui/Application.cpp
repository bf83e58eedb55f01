#include "ui/Application.h"

namespace zubolo {

void Application::SetTitle(std::u16string title) {
    if (title == title_) return;
    title_ = std::move(title);
    Changed();
}

void Application::SetShowHints(bool show) {
    if (show == showHints_) return;
    showHints_ = show;
    Changed();
}

}  // namespace zubolo
