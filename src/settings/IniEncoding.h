#pragma once
#include <string>
#include <string_view>

#include "platform/TextCodec.h"

namespace zubolo {

// How the bytes of a settings file are encoded: chosen by its byte-order mark, the system's
// ANSI code page when there is none.
enum class IniEncoding { Ansi, Utf8, Utf16LittleEndian, Utf16BigEndian };

struct DecodedIniText {
    IniEncoding encoding = IniEncoding::Ansi;
    std::u16string text;
};

// Malformed UTF-8 sequences and a lone last byte of UTF-16 become U+FFFD, so any bytes decode.
DecodedIniText DecodeIniBytes(std::string_view bytes, const TextCodec& ansiCodePage);

// The text in `encoding`, after its byte-order mark. Unpaired surrogates are written to UTF-8 as
// U+FFFD.
std::string EncodeIniText(std::u16string_view text, IniEncoding encoding,
                          const TextCodec& ansiCodePage);

}  // namespace zubolo
