#include "Screenshot.h"

#include <vector>

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

}  // namespace

void SaveWindowScreenshot(HWND window, const std::wstring& bmpPath) {
    SaveWindowsScreenshot({window}, bmpPath);
}

void SaveWindowsScreenshot(const std::vector<HWND>& windows, const std::wstring& bmpPath) {
    // UPDATENOW sends the paint messages and returns after they are handled, so the copy shows
    // the windows' current state and not half-painted ones.
    for (HWND window : windows) {
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    const ScreenArea area = AreaOf(windows);
    BITMAPINFOHEADER header;
    const std::vector<BYTE> pixels = CapturePixels(area, header);
    WriteBmp(bmpPath, header, pixels);
}

}  // namespace zubolo::e2e
