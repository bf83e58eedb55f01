#pragma once
#include <map>
#include <optional>
#include <string>

#include "platform/FileVersions.h"

namespace zubolo {

// Version resources that the test gives to files; other files have none.
class FakeFileVersions final : public FileVersions {
  public:
    std::map<std::u16string, FixedFileVersion> versions;

    std::optional<FixedFileVersion> FixedVersionOf(std::u16string_view path) const override {
        const auto found = versions.find(std::u16string(path));
        if (found == versions.end()) return std::nullopt;
        return found->second;
    }
};

}  // namespace zubolo
