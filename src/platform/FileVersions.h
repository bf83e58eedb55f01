#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace zubolo {

// The fixed file version of a version resource: four 16-bit numbers, major and minor in the
// high and low halves of `mostSignificant`, build and revision in those of `leastSignificant`.
struct FixedFileVersion {
    std::uint32_t mostSignificant = 0;
    std::uint32_t leastSignificant = 0;
};

// Version resources of program files.
class FileVersions {
  public:
    virtual ~FileVersions() = default;
    // Nothing when the file has no version resource or it cannot be read.
    virtual std::optional<FixedFileVersion> FixedVersionOf(std::u16string_view path) const = 0;
};

}  // namespace zubolo
