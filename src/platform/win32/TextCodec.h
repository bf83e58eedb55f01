#pragma once
#include "platform/TextCodec.h"

namespace zubolo {

// The system's ANSI code page (CP_ACP) through MultiByteToWideChar and WideCharToMultiByte.
class Win32TextCodec final : public TextCodec {
  public:
    std::u16string AnsiToUtf16(std::string_view bytes) const override;
    std::string Utf16ToAnsi(std::u16string_view text) const override;
};

}  // namespace zubolo
