#pragma once
#include "platform/KnownPaths.h"

namespace zubolo {

// The application-data folder from SHGetFolderPathW, the program from GetModuleFileNameW, the
// temporary folder from GetTempPathW and GetLongPathNameW.
class Win32KnownPaths final : public KnownPaths {
  public:
    std::u16string RoamingAppDataFolder() const override;
    std::u16string ProgramFilePath() const override;
    std::u16string TemporaryFolder() const override;
};

}  // namespace zubolo
