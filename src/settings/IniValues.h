#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zubolo {

// An integer value of the settings file: decimal with an optional sign, or hexadecimal after "$"
// or "0x" (the sign, if any, comes first: "-$10"). The value must fit a signed 32-bit integer;
// anything else, the empty text included, gives nothing, so that the caller's default applies.
std::optional<std::int32_t> ParseIniInteger(std::u16string_view text);

// Decimal text, "-" before negative values.
std::u16string FormatIniInteger(std::int32_t value);

}  // namespace zubolo
