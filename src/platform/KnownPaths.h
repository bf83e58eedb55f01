#pragma once
#include <string>

namespace zubolo {

// Places on disk that the system names for the program.
class KnownPaths {
  public:
    virtual ~KnownPaths() = default;
    // The user's roaming application-data folder; empty when the system cannot name it.
    virtual std::u16string RoamingAppDataFolder() const = 0;
    // The full path of the running program file.
    virtual std::u16string ProgramFilePath() const = 0;
    // The user's temporary-files folder in its long form, ending in "\"; empty when the system
    // cannot name it.
    virtual std::u16string TemporaryFolder() const = 0;
};

}  // namespace zubolo
