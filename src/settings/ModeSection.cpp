#include "settings/ModeSection.h"

#include <string_view>

namespace zubolo {

namespace {

constexpr std::u16string_view kSection = u"MODE";

}  // namespace

ModeSettings ReadModeSection(const IniDocument& document) {
    const ModeSettings defaults;
    ModeSettings modes;
    modes.dragDrop = document.ReadInteger(kSection, u"DragDrop", defaults.dragDrop);
    modes.stayOnTop = document.ReadBool(kSection, u"StayOnTop", defaults.stayOnTop);
    modes.minimize = document.ReadInteger(kSection, u"Minimize", defaults.minimize);
    modes.closeQuery = document.ReadBool(kSection, u"CloseQuery", defaults.closeQuery);
    modes.saveStatus = document.ReadBool(kSection, u"SaveStatus", defaults.saveStatus);
    modes.autoWidth = document.ReadBool(kSection, u"AutoWidth", defaults.autoWidth);
    modes.folded = document.ReadBool(kSection, u"Folded", defaults.folded);
    modes.originHeight = document.ReadInteger(kSection, u"OriginHeight", defaults.originHeight);
    modes.showHint = document.ReadBool(kSection, u"ShowHint", defaults.showHint);
    return modes;
}

void WriteModeSection(IniDocument& document, const ModeSettings& modes) {
    EraseModeSection(document);
    document.WriteInteger(kSection, u"DragDrop", modes.dragDrop);
    document.WriteBool(kSection, u"StayOnTop", modes.stayOnTop);
    document.WriteInteger(kSection, u"Minimize", modes.minimize);
    document.WriteBool(kSection, u"CloseQuery", modes.closeQuery);
    document.WriteBool(kSection, u"SaveStatus", modes.saveStatus);
    document.WriteBool(kSection, u"AutoWidth", modes.autoWidth);
    document.WriteBool(kSection, u"Folded", modes.folded);
    document.WriteInteger(kSection, u"OriginHeight", modes.originHeight);
    document.WriteBool(kSection, u"ShowHint", modes.showHint);
}

void EraseModeSection(IniDocument& document) {
    document.EraseSection(kSection);
}

}  // namespace zubolo
