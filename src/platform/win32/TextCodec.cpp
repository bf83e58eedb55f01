#include "platform/win32/TextCodec.h"

#include <windows.h>

#include <climits>

#include "platform/win32/WideText.h"

namespace zubolo {

// Both conversions take an int length; texts beyond 2 GiB are far outside what the program reads
// or writes and convert to nothing.
std::u16string Win32TextCodec::AnsiToUtf16(std::string_view bytes) const {
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    const auto byteCount = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), byteCount, nullptr, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), byteCount, text.data(), length);
    return FromWide(text);
}

std::string Win32TextCodec::Utf16ToAnsi(std::u16string_view text) const {
    if (text.empty() || text.size() > INT_MAX) return {};
    const std::wstring wide = ToWide(text);
    const auto wideCount = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), wideCount, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideCount, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

}  // namespace zubolo
