#include "settings/IniEncoding.h"

#include <cstddef>

namespace zubolo {

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view Utf16BigEndianMark = "\xFE\xFF";
constexpr char16_t Replacement = u'\uFFFD';

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

void AppendCodePoint(char32_t codePoint, std::u16string& text) {
    if (codePoint < 0x10000) {
        text += static_cast<char16_t>(codePoint);
        return;
    }
    codePoint -= 0x10000;
    text += static_cast<char16_t>(0xD800 + (codePoint >> 10));
    text += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
}

// What a lead byte says about its sequence: the length, the code point bits it carries and the
// smallest code point that may use this length (anything smaller is an overlong form). Length 0
// for a byte that cannot start a sequence.
struct Utf8Lead {
    std::size_t length;
    char32_t bits;
    char32_t smallest;
};

Utf8Lead ReadUtf8Lead(unsigned char lead) {
    if (lead < 0x80) return {1, lead, 0};
    if ((lead & 0xE0) == 0xC0) return {2, lead & 0x1Fu, 0x80};
    if ((lead & 0xF0) == 0xE0) return {3, lead & 0x0Fu, 0x800};
    if ((lead & 0xF8) == 0xF0) return {4, lead & 0x07u, 0x10000};
    return {0, 0, 0};
}

bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

std::u16string DecodeUtf8(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        const Utf8Lead lead = ReadUtf8Lead(static_cast<unsigned char>(bytes[at]));
        if (lead.length == 0) {
            text += Replacement;
            ++at;
            continue;
        }
        char32_t codePoint = lead.bits;
        std::size_t taken = 1;
        while (taken < lead.length && at + taken < bytes.size() &&
               IsUtf8Continuation(bytes[at + taken])) {
            codePoint = (codePoint << 6) | (static_cast<unsigned char>(bytes[at + taken]) & 0x3F);
            ++taken;
        }
        const bool valid = taken == lead.length && codePoint >= lead.smallest &&
                           codePoint <= 0x10FFFF && !IsHighSurrogate(codePoint) &&
                           !IsLowSurrogate(codePoint);
        if (valid) {
            AppendCodePoint(codePoint, text);
        } else {
            text += Replacement;
        }
        at += taken;
    }
    return text;
}

std::string EncodeUtf8(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        char32_t c = text[at];
        if (IsHighSurrogate(c) && at + 1 < text.size() && IsLowSurrogate(text[at + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[at + 1] - 0xDC00);
            ++at;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            c = Replacement;
        }
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            bytes += static_cast<char>(0xE0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (c >> 18));
            bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string text;
    text.reserve(bytes.size() / 2 + 1);
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        text += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    if (at < bytes.size()) text += Replacement;
    return text;
}

std::string EncodeUtf16(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char16_t c : text) {
        const auto high = static_cast<char>(c >> 8);
        const auto low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

}  // namespace

DecodedIniText DecodeIniBytes(std::string_view bytes, const TextCodec& ansiCodePage) {
    if (bytes.starts_with(Utf8Mark)) {
        return {IniEncoding::Utf8, DecodeUtf8(bytes.substr(Utf8Mark.size()))};
    }
    if (bytes.starts_with(Utf16LittleEndianMark)) {
        return {IniEncoding::Utf16LittleEndian,
                DecodeUtf16(bytes.substr(Utf16LittleEndianMark.size()), false)};
    }
    if (bytes.starts_with(Utf16BigEndianMark)) {
        return {IniEncoding::Utf16BigEndian,
                DecodeUtf16(bytes.substr(Utf16BigEndianMark.size()), true)};
    }
    return {IniEncoding::Ansi, ansiCodePage.AnsiToUtf16(bytes)};
}

std::string EncodeIniText(std::u16string_view text, IniEncoding encoding,
                          const TextCodec& ansiCodePage) {
    switch (encoding) {
        case IniEncoding::Utf8:
            return std::string(Utf8Mark) + EncodeUtf8(text);
        case IniEncoding::Utf16LittleEndian:
            return std::string(Utf16LittleEndianMark) + EncodeUtf16(text, false);
        case IniEncoding::Utf16BigEndian:
            return std::string(Utf16BigEndianMark) + EncodeUtf16(text, true);
        case IniEncoding::Ansi:
            break;
    }
    return ansiCodePage.Utf16ToAnsi(text);
}

}  // namespace zubolo
