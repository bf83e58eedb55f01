#include "ui/win32/UiFont.h"

#include <array>

namespace zubolo {
namespace {

bool HasFace(HFONT font, const std::wstring& face) {
    const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    const SelectionScope selected(dc.get(), font);
    std::array<wchar_t, LF_FACESIZE> actual{};
    GetTextFaceW(dc.get(), static_cast<int>(actual.size()), actual.data());
    return _wcsicmp(actual.data(), face.c_str()) == 0;
}

UniqueFont FontWithFace(const std::wstring& face, int height) {
    LOGFONTW logFont{};
    logFont.lfHeight = -height;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfQuality = CLEARTYPE_QUALITY;
    face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
    return UniqueFont(CreateFontIndirectW(&logFont));
}

}  // namespace

UniqueFont CreateUiFont(const std::wstring& preferredFace, int designPixelHeight, UINT dpi) {
    const int height = MulDiv(designPixelHeight, static_cast<int>(dpi), 96);
    for (const std::wstring& face :
         {preferredFace, std::wstring(L"Yu Gothic UI"), std::wstring(L"MS UI Gothic")}) {
        UniqueFont font = FontWithFace(face, height);
        if (font && HasFace(font.get(), face)) return font;
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi);
    return UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

}  // namespace zubolo
