#pragma once
#include <cstdint>

#include "settings/IniDocument.h"

namespace zubolo {

// The section MODE: the modes of the settings page and the view. The defaults are those of a
// first start.
struct ModeSettings {
    std::int32_t dragDrop = 0;  // selected item of the drop policy, -1 none
    bool stayOnTop = false;
    std::int32_t minimize = 0;  // selected item of the residence while minimized, -1 none
    bool closeQuery = false;
    bool saveStatus = true;
    bool autoWidth = true;
    bool folded = false;  // compact view
    std::int32_t originHeight = 0;
    bool showHint = false;
    bool operator==(const ModeSettings&) const = default;
};

// Each key that is missing or unusable gives its default.
ModeSettings ReadModeSection(const IniDocument& document);

// Replaces the section, which thereby moves to the end of the document, with DragDrop,
// StayOnTop, Minimize, CloseQuery, SaveStatus, AutoWidth, Folded, OriginHeight and ShowHint, in
// this order.
void WriteModeSection(IniDocument& document, const ModeSettings& modes);

void EraseModeSection(IniDocument& document);

}  // namespace zubolo
