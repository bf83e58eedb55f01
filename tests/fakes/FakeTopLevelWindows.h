#pragma once
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/TopLevelWindows.h"

namespace zubolo {

// A desktop of numbered windows with properties; records every call as text in order.
class FakeTopLevelWindows : public TopLevelWindows {
  public:
    std::vector<WindowHandle> order;  // enumeration order
    std::map<std::pair<WindowHandle, std::u16string>, std::intptr_t> properties;
    std::set<WindowHandle> iconic;
    std::vector<std::string> calls;
    std::vector<WindowHandle> visited;
    WindowHandle foreground;
    std::map<WindowHandle, IconHandle> smallIcons;  // a window not listed has no small icon

    bool Enumerate(const std::function<bool(WindowHandle)>& visit) override {
        calls.push_back("Enumerate");
        for (WindowHandle window : order) {
            visited.push_back(window);
            if (!visit(window)) return false;
        }
        return true;
    }
    std::intptr_t GetProperty(WindowHandle window, std::u16string_view name) override {
        const auto found = properties.find({window, std::u16string(name)});
        return found == properties.end() ? 0 : found->second;
    }
    void SetProperty(WindowHandle window, std::u16string_view name, std::intptr_t value) override {
        calls.push_back("SetProperty " + std::to_string(window.value) + " " +
                        std::to_string(value));
        properties[{window, std::u16string(name)}] = value;
    }
    void RemoveProperty(WindowHandle window, std::u16string_view name) override {
        calls.push_back("RemoveProperty " + std::to_string(window.value));
        properties.erase({window, std::u16string(name)});
    }
    bool IsIconic(WindowHandle window) override { return iconic.count(window) != 0; }
    void Show(WindowHandle window, int command) override {
        calls.push_back("Show " + std::to_string(window.value) + " " + std::to_string(command));
    }
    void SetForeground(WindowHandle window) override {
        calls.push_back("SetForeground " + std::to_string(window.value));
    }
    WindowHandle Foreground() override { return foreground; }

    // Windows as the Explorer linkage reads them. A window not listed is visible and has no
    // class name, no caption and no small icon.
    std::set<WindowHandle> hidden;
    std::map<WindowHandle, std::u16string> classNames;
    std::map<WindowHandle, std::u16string> captions;  // SetText writes here too
    // Windows of a program that does not answer: no icon, and a caption sent to them is not taken.
    std::set<WindowHandle> hung;
    // Every caption written, in order.
    std::vector<std::pair<WindowHandle, std::u16string>> captionWrites;

    bool IsVisible(WindowHandle window) override { return hidden.count(window) == 0; }
    std::u16string ClassName(WindowHandle window) override { return Lookup(classNames, window); }
    std::u16string Text(WindowHandle window) override {
        return Lookup(captions, window).substr(0, MaxCaptionLength);
    }
    IconHandle SmallIcon(WindowHandle window) override {
        const auto found = smallIcons.find(window);
        return found == smallIcons.end() || hung.count(window) != 0 ? IconHandle{} : found->second;
    }
    void SetText(WindowHandle window, std::u16string_view text) override {
        if (hung.count(window) != 0) return;
        captionWrites.emplace_back(window, text);
        captions[window] = std::u16string(text);
    }

  private:
    static std::u16string Lookup(const std::map<WindowHandle, std::u16string>& texts,
                                 WindowHandle window) {
        const auto found = texts.find(window);
        return found == texts.end() ? std::u16string() : found->second;
    }
};

}  // namespace zubolo
