#pragma once
#include <string>

#include "settings/IniDocument.h"

namespace zubolo {

// What the section PROGRAM records about the run that writes the file.
struct ProgramRecord {
    std::u16string programPath;  // full path of the running program
    std::u16string version;      // the program's version text
    std::u16string iniFile;      // the settings file actually written
    std::u16string lastClose;    // the moment of writing, as date-time text
};

// Replaces the section PROGRAM, which thereby moves to the end of the document, with Name
// (program file name), Path (its folder without a final delimiter), Version, IniFile and
// LastClose, in this order.
void WriteProgramSection(IniDocument& document, const ProgramRecord& record);

}  // namespace zubolo
