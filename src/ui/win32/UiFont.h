#pragma once
#include <string>

#include "platform/win32/OwnedHandles.h"

namespace zubolo {

// The window font at a resolution: the preferred face at the design height in pixels (at 96
// dots per inch), or, where that face is missing, the first installed face that renders
// Japanese, and finally the system's message font.
UniqueFont CreateUiFont(const std::wstring& preferredFace, int designPixelHeight, UINT dpi);

}  // namespace zubolo
