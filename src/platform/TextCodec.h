#pragma once
#include <string>
#include <string_view>

namespace zubolo {

// Conversion between UTF-16 and the system's ANSI code page, for text files without a
// byte-order mark.
class TextCodec {
  public:
    virtual ~TextCodec() = default;
    virtual std::u16string AnsiToUtf16(std::string_view bytes) const = 0;
    // Characters the code page cannot represent become its default character.
    virtual std::string Utf16ToAnsi(std::u16string_view text) const = 0;
};

}  // namespace zubolo
