#include "settings/ModeSection.h"

#include <string_view>

namespace zubolo {

namespace {

constexpr std::u16string_view Section = u"MODE";

}  // namespace

ModeSettings ReadModeSection(const IniDocument& document) {
    const ModeSettings defaults;
    ModeSettings modes;
    modes.dragDrop = document.ReadInteger(Section, u"DragDrop", defaults.dragDrop);
    modes.stayOnTop = document.ReadBool(Section, u"StayOnTop", defaults.stayOnTop);
    modes.minimize = document.ReadInteger(Section, u"Minimize", defaults.minimize);
    modes.closeQuery = document.ReadBool(Section, u"CloseQuery", defaults.closeQuery);
    modes.saveStatus = document.ReadBool(Section, u"SaveStatus", defaults.saveStatus);
    modes.autoWidth = document.ReadBool(Section, u"AutoWidth", defaults.autoWidth);
    modes.folded = document.ReadBool(Section, u"Folded", defaults.folded);
    modes.originHeight = document.ReadInteger(Section, u"OriginHeight", defaults.originHeight);
    modes.showHint = document.ReadBool(Section, u"ShowHint", defaults.showHint);
    return modes;
}

void WriteModeSection(IniDocument& document, const ModeSettings& modes) {
    EraseModeSection(document);
    document.WriteInteger(Section, u"DragDrop", modes.dragDrop);
    document.WriteBool(Section, u"StayOnTop", modes.stayOnTop);
    document.WriteInteger(Section, u"Minimize", modes.minimize);
    document.WriteBool(Section, u"CloseQuery", modes.closeQuery);
    document.WriteBool(Section, u"SaveStatus", modes.saveStatus);
    document.WriteBool(Section, u"AutoWidth", modes.autoWidth);
    document.WriteBool(Section, u"Folded", modes.folded);
    document.WriteInteger(Section, u"OriginHeight", modes.originHeight);
    document.WriteBool(Section, u"ShowHint", modes.showHint);
}

void EraseModeSection(IniDocument& document) {
    document.EraseSection(Section);
}

}  // namespace zubolo
