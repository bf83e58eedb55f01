#pragma once
#include <string>

#include "platform/KnownPaths.h"

namespace zubolo {

// Known paths that the test sets.
class FakeKnownPaths final : public KnownPaths {
  public:
    std::u16string appData = u"C:\\Users\\taro\\AppData\\Roaming";
    std::u16string program = u"C:\\Tools\\Zubolo\\Zubolo.exe";
    std::u16string temporary = u"C:\\Users\\taro\\AppData\\Local\\Temp\\";

    std::u16string RoamingAppDataFolder() const override { return appData; }
    std::u16string ProgramFilePath() const override { return program; }
    std::u16string TemporaryFolder() const override { return temporary; }
};

}  // namespace zubolo
