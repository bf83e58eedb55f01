#include "settings/PositionSection.h"

#include <algorithm>
#include <limits>
#include <string_view>

namespace zubolo {

namespace {

constexpr std::u16string_view Section = u"POSITION";

// Twice a value read from the file, kept within the range of the field.
std::int32_t Twice(std::int32_t value) {
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::int64_t{2} * value, lowest, highest));
}

}  // namespace

WindowPlacement ReadPositionPlacement(const IniDocument& document, const WindowPlacement& current,
                                      const ScreenRect& workArea) {
    WindowPlacement placement = current;
    placement.flags = document.ReadInteger(Section, u"Flags", current.flags);
    placement.showCmd = document.ReadInteger(Section, u"ShowCmd", current.showCmd);
    placement.maxPosition.x = document.ReadInteger(Section, u"MaxX", current.maxPosition.x);
    placement.maxPosition.y = document.ReadInteger(Section, u"MaxY", current.maxPosition.y);
    ScreenRect& normal = placement.normalPosition;
    normal.top = document.ReadInteger(Section, u"Top", workArea.Height() / 3);
    normal.left = document.ReadInteger(Section, u"Left", workArea.Width() / 3);
    normal.right = document.ReadInteger(Section, u"Right", Twice(normal.left));
    normal.bottom = document.ReadInteger(Section, u"Bottom", Twice(normal.top));
    return placement;
}

WindowState ReadPositionState(const IniDocument& document, WindowState current) {
    switch (document.ReadInteger(Section, u"state", static_cast<std::int32_t>(current))) {
        case 0:
            return WindowState::Normal;
        case 1:
            return WindowState::Minimized;
        case 2:
            return WindowState::Maximized;
        default:
            return current;
    }
}

void WritePositionSection(IniDocument& document, const WindowPlacement& placement,
                          WindowState state) {
    ErasePositionSection(document);
    document.WriteInteger(Section, u"Flags", placement.flags);
    document.WriteInteger(Section, u"ShowCmd", placement.showCmd);
    document.WriteInteger(Section, u"MaxX", placement.maxPosition.x);
    document.WriteInteger(Section, u"MaxY", placement.maxPosition.y);
    document.WriteInteger(Section, u"Left", placement.normalPosition.left);
    document.WriteInteger(Section, u"Top", placement.normalPosition.top);
    document.WriteInteger(Section, u"Right", placement.normalPosition.right);
    document.WriteInteger(Section, u"Bottom", placement.normalPosition.bottom);
    document.WriteInteger(Section, u"State", static_cast<std::int32_t>(state));
}

void ErasePositionSection(IniDocument& document) {
    document.EraseSection(Section);
}

}  // namespace zubolo
