#include "settings/ProgramSection.h"

#include "settings/IniFilePath.h"

namespace zubolo {

void WriteProgramSection(IniDocument& document, const ProgramRecord& record) {
    constexpr std::u16string_view Section = u"PROGRAM";
    document.EraseSection(Section);
    document.WriteString(Section, u"Name", FileNameOf(record.programPath));
    document.WriteString(Section, u"Path", FolderOf(record.programPath));
    document.WriteString(Section, u"Version", record.version);
    document.WriteString(Section, u"IniFile", record.iniFile);
    document.WriteString(Section, u"LastClose", record.lastClose);
}

}  // namespace zubolo
