#pragma once
#include <string>

#include "platform/TextCodec.h"

namespace zubolo {

// An ANSI code page that maps each byte to the character of the same number (Latin-1), and any
// character above U+00FF to "?".
class FakeTextCodec final : public TextCodec {
  public:
    std::u16string AnsiToUtf16(std::string_view bytes) const override {
        std::u16string text;
        for (const char byte : bytes)
            text += static_cast<char16_t>(static_cast<unsigned char>(byte));
        return text;
    }

    std::string Utf16ToAnsi(std::u16string_view text) const override {
        std::string bytes;
        for (const char16_t c : text) bytes += c <= 0xFF ? static_cast<char>(c) : '?';
        return bytes;
    }
};

}  // namespace zubolo
