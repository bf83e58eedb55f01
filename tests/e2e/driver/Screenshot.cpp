#include "Screenshot.h"

#include <utility>
#include <vector>

#include "Polling.h"
#include "Report.h"

namespace zubolo::e2e {

namespace {

struct ScreenArea {
    int left, top, width, height;
};

// The rectangle holding the windows, clipped to the screen.
ScreenArea AreaOf(const std::vector<HWND>& windows) {
    RECT rect{};
    for (HWND window : windows) {
        RECT bounds{};
        GetWindowRect(window, &bounds);
        UnionRect(&rect, &rect, &bounds);
    }
    const LONG screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const LONG screenHeight = GetSystemMetrics(SM_CYSCREEN);
    rect.left = rect.left < 0 ? 0 : rect.left;
    rect.top = rect.top < 0 ? 0 : rect.top;
    rect.right = rect.right > screenWidth ? screenWidth : rect.right;
    rect.bottom = rect.bottom > screenHeight ? screenHeight : rect.bottom;
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        Fail(L"the window to screenshot is not on the screen");
    }
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// Bottom-up 24-bit pixel rows, each padded to four bytes, as a BMP file stores them.
std::vector<BYTE> CapturePixels(const ScreenArea& area, BITMAPINFOHEADER& header) {
    header = {};
    header.biSize = sizeof header;
    header.biWidth = area.width;
    header.biHeight = area.height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const int stride = (area.width * 3 + 3) & ~3;
    header.biSizeImage = static_cast<DWORD>(stride * area.height);

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, area.width, area.height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const BOOL copied =
        BitBlt(memory, 0, 0, area.width, area.height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    std::vector<BYTE> pixels(header.biSizeImage);
    const int rows = GetDIBits(memory, bitmap, 0, static_cast<UINT>(area.height), pixels.data(),
                               reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied || rows != area.height) Fail(L"cannot copy the window's area of the screen");
    return pixels;
}

void WriteBmp(const std::wstring& path, const BITMAPINFOHEADER& header,
              const std::vector<BYTE>& pixels) {
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    HANDLE output = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) Fail(L"cannot create " + Quoted(path));
    DWORD written = 0;
    const bool complete =
        WriteFile(output, &file, sizeof file, &written, nullptr) &&
        WriteFile(output, &header, sizeof header, &written, nullptr) &&
        WriteFile(output, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    CloseHandle(output);
    if (!complete) Fail(L"cannot write " + Quoted(path));
}

BOOL CALLBACK FindUnpainted(HWND window, LPARAM found) {
    if (GetUpdateRect(window, nullptr, FALSE) == FALSE) return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

// True when neither the windows nor their children have anything left to paint.
bool Painted(const std::vector<HWND>& windows) {
    bool unpainted = false;
    for (HWND window : windows) {
        if (GetUpdateRect(window, nullptr, FALSE) != FALSE) return false;
        EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    }
    return !unpainted;
}

}  // namespace

void SaveWindowScreenshot(HWND window, const std::wstring& bmpPath) {
    SaveWindowsScreenshot({window}, bmpPath);
}

void SaveWindowsScreenshot(const std::vector<HWND>& windows, const std::wstring& bmpPath) {
    // UPDATENOW paints the windows at once, so the copy shows their current state. A window of
    // another thread that is busy (a menu's modal loop) may paint a moment later: the copy waits
    // until nothing is left to paint, or gives up after the deadline and shows what there is.
    for (HWND window : windows) {
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    PollUntil([&] { return Painted(windows); });
    const ScreenArea area = AreaOf(windows);
    BITMAPINFOHEADER header;
    // What a window painted reaches the screen a moment later: two copies in a row must agree.
    std::vector<BYTE> pixels = CapturePixels(area, header);
    PollUntil([&] {
        std::vector<BYTE> again = CapturePixels(area, header);
        const bool settled = again == pixels;
        pixels = std::move(again);
        return settled;
    });
    WriteBmp(bmpPath, header, pixels);
}

}  // namespace zubolo::e2e
