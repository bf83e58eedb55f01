#include "settings/ProgramSection.h"

#include "settings/IniFilePath.h"

namespace zubolo {

void WriteProgramSection(IniDocument& document, const ProgramRecord& record) {
    constexpr std::u16string_view kSection = u"PROGRAM";
    document.EraseSection(kSection);
    document.WriteString(kSection, u"Name", FileNameOf(record.programPath));
    document.WriteString(kSection, u"Path", FolderOf(record.programPath));
    document.WriteString(kSection, u"Version", record.version);
    document.WriteString(kSection, u"IniFile", record.iniFile);
    document.WriteString(kSection, u"LastClose", record.lastClose);
}

}  // namespace zubolo
