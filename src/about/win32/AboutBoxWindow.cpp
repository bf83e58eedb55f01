#include "about/win32/AboutBoxWindow.h"

#include <windows.h>
// (after windows.h)
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/win32/Hwnd.h"
#include "platform/win32/OwnedHandles.h"
#include "platform/win32/WideText.h"
#include "resource.h"

namespace zubolo {
namespace {

constexpr int IconId = 100;
constexpr int TextId = 101;

// The system's message dialogs: margins, spacing and button size in dialog units of the font,
// a 32-pixel icon at 96 dots per inch, the text at most half as wide as the screen.
constexpr int MarginX = 8;
constexpr int MarginY = 8;
constexpr int SpacingX = 10;
constexpr int SpacingY = 10;
constexpr int ButtonWidth = 50;
constexpr int ButtonHeight = 14;
constexpr int IconDesignSize = 32;
constexpr UINT TextFormat = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;

// The box's window: a dialog without controls in its template (they are made at
// WM_INITDIALOG), a small caption bar without buttons, children clipped from its own painting.
struct alignas(DWORD) EmptyDialogTemplate {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD windowClass = 0;
    WCHAR title = 0;
};

// Fills the dialog's client area (`client`, seen from a device context whose origin lies at
// `origin` in the client area) with the background's gradient.
void PaintAboutBackground(HDC dc, SIZE client, POINT origin, const AboutBackground& background) {
    const auto channel = [&](int shift) {
        return static_cast<COLOR16>(((background.colour >> shift) & 0xFF) << 8);
    };
    TRIVERTEX corners[2] = {
        {-origin.x, -origin.y, 0xFF00, 0xFF00, 0xFF00, 0xFF00},
        {client.cx - origin.x, client.cy - origin.y, channel(0), channel(8), channel(16), 0xFF00},
    };
    GRADIENT_RECT rectangle{0, 1};
    GdiGradientFill(dc, corners, 2, &rectangle, 1,
                    background.vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

class AboutDialog {
  public:
    explicit AboutDialog(const AboutBoxContent& content) : content_(content) {}

    void Run(HWND owner) {
        EmptyDialogTemplate dialogTemplate{};
        dialogTemplate.header.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_CLIPCHILDREN;
        dialogTemplate.header.dwExtendedStyle = WS_EX_TOOLWINDOW;
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &dialogTemplate.header, owner,
                                &AboutDialog::Procedure, reinterpret_cast<LPARAM>(this));
    }

  private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            reinterpret_cast<AboutDialog*>(lParam)->dialog_ = dialog;
        }
        auto* self = reinterpret_cast<AboutDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (self == nullptr) return FALSE;
        try {
            return self->HandleMessage(message, wParam, lParam);
        } catch (...) {
            return FALSE;
        }
    }

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_INITDIALOG:
                Build();
                return FALSE;  // the focus is set: on OK
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                    EndDialog(dialog_, LOWORD(wParam));
                } else if (LOWORD(wParam) == IconId && HIWORD(wParam) == STN_CLICKED) {
                    content_.iconClicked(FromHwnd(dialog_));
                }
                return TRUE;
            case WM_ERASEBKGND:
                return Answer(TRUE);  // WM_PAINT covers everything
            case WM_PAINT:
                Paint();
                return TRUE;
            case WM_PRINTCLIENT:
                // A themed button asks for what lies behind its rounded corners.
                PaintBehind(reinterpret_cast<HDC>(wParam), dialog_);
                return TRUE;
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLORBTN:
                // The icon and the text are drawn over the background, which shows between them.
                PaintBehind(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
                SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
                return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
            case WM_SETCURSOR:
                if (reinterpret_cast<HWND>(wParam) == ok_ ||
                    reinterpret_cast<HWND>(wParam) == icon_) {
                    SetCursor(LoadCursorW(nullptr, IDC_HAND));
                    return Answer(TRUE);
                }
                return FALSE;
            default:
                return FALSE;
        }
    }

    INT_PTR Answer(LRESULT result) {
        SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, result);
        return TRUE;
    }

    // A new background for every paint. A part of the box in a new colour would not match the
    // rest, so the whole box takes it, and the controls over it are painted again on it. A paint
    // with nothing to update (Wine sends some) leaves the background as it is.
    void Paint() {
        PAINTSTRUCT paint{};
        if (GetUpdateRect(dialog_, nullptr, FALSE) == FALSE) {
            BeginPaint(dialog_, &paint);
            EndPaint(dialog_, &paint);
            return;
        }
        InvalidateRect(dialog_, nullptr, FALSE);
        HDC dc = BeginPaint(dialog_, &paint);
        background_ = content_.nextBackground();
        PaintBehind(dc, dialog_);
        EndPaint(dialog_, &paint);
        for (HWND control : {icon_, text_, ok_}) {
            RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
    }

    // The background of the last paint, as it lies under `window` (the dialog or a control).
    void PaintBehind(HDC dc, HWND window) const {
        RECT client{};
        GetClientRect(dialog_, &client);
        POINT origin{0, 0};
        MapWindowPoints(window, dialog_, &origin, 1);
        PaintAboutBackground(dc, {client.right, client.bottom}, origin, background_);
    }

    HWND MakeControl(const wchar_t* className, const std::wstring& text, DWORD style, int id) {
        HWND control = CreateWindowExW(
            0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, dialog_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        return control;
    }

    void Build() {
        const UINT dpi = GetDpiForWindow(dialog_);
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi);
        font_.reset(CreateFontIndirectW(&metrics.lfMessageFont));
        SendMessageW(dialog_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        SetWindowTextW(dialog_, ToWide(content_.caption).c_str());

        const std::wstring text = ToWide(content_.text);
        const int iconSize = MulDiv(IconDesignSize, static_cast<int>(dpi), 96);
        iconImage_.reset(
            static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM),
                                          IMAGE_ICON, iconSize, iconSize, 0)));
        icon_ = MakeControl(L"STATIC", L"", SS_ICON | SS_NOTIFY | SS_REALSIZECONTROL, IconId);
        SendMessageW(icon_, STM_SETICON, reinterpret_cast<WPARAM>(iconImage_.get()), 0);
        text_ = MakeControl(L"STATIC", text, SS_LEFT | SS_NOPREFIX, TextId);
        ok_ = MakeControl(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK);

        // Dialog units and the text's extent in the font.
        const HDC dc = GetDC(dialog_);
        SIZE letters{};
        TEXTMETRICW fontMetrics{};
        RECT textBounds{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
        {
            const SelectionScope selected(dc, font_.get());
            GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                                  &letters);
            GetTextMetricsW(dc, &fontMetrics);
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textBounds,
                      TextFormat | DT_CALCRECT);
        }
        ReleaseDC(dialog_, dc);
        const int unitX = (letters.cx / 26 + 1) / 2;
        const int unitY = fontMetrics.tmHeight;
        const auto dx = [&](int units) { return MulDiv(units, unitX, 4); };
        const auto dy = [&](int units) { return MulDiv(units, unitY, 8); };

        const int textLeft = dx(MarginX) + iconSize + dx(SpacingX);
        const int buttonWidth = dx(ButtonWidth);
        const int buttonHeight = dy(ButtonHeight);
        const int clientWidth =
            std::max<int>(textLeft + textBounds.right + dx(MarginX), buttonWidth + 2 * dx(MarginX));
        const int buttonTop =
            dy(MarginY) + std::max<int>(iconSize, textBounds.bottom) + dy(SpacingY);
        const int clientHeight = buttonTop + buttonHeight + dy(MarginY);
        const POINT okTopLeft{(clientWidth - buttonWidth) / 2, buttonTop};

        SetWindowPos(icon_, nullptr, dx(MarginX), dy(MarginY), iconSize, iconSize, SWP_NOZORDER);
        SetWindowPos(text_, nullptr, textLeft, dy(MarginY), textBounds.right, textBounds.bottom,
                     SWP_NOZORDER);
        SetWindowPos(ok_, nullptr, okTopLeft.x, okTopLeft.y, buttonWidth, buttonHeight,
                     SWP_NOZORDER);

        RECT outer{0, 0, clientWidth, clientHeight};
        AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongW(dialog_, GWL_STYLE)),
                                 FALSE, static_cast<DWORD>(GetWindowLongW(dialog_, GWL_EXSTYLE)),
                                 dpi);
        const int width = outer.right - outer.left;
        const int height = outer.bottom - outer.top;
        SetWindowPos(dialog_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);

        AddIconHint();
        SendMessageW(dialog_, DM_SETDEFID, IDOK, 0);
        SetFocus(ok_);
        MovePointerOntoOk(okTopLeft);
    }

    // The icon is the only control that shows a hint.
    void AddIconHint() {
        HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, dialog_,
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
        std::wstring hint = ToWide(content_.iconHint);
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = dialog_;
        info.uId = reinterpret_cast<UINT_PTR>(icon_);
        info.lpszText = hint.data();
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }

    void MovePointerOntoOk(POINT okTopLeft) const {
        RECT box{};
        RECT client{};
        RECT okClient{};
        GetWindowRect(dialog_, &box);
        GetClientRect(dialog_, &client);
        GetClientRect(ok_, &okClient);
        const ScreenPoint point = AboutCursorPoint(
            {box.left, box.top, box.right, box.bottom}, client.right, client.bottom,
            {okTopLeft.x, okTopLeft.y}, okClient.right, okClient.bottom);
        SetCursorPos(point.x, point.y);
    }

    const AboutBoxContent& content_;
    HWND dialog_ = nullptr;
    HWND icon_ = nullptr;
    HWND text_ = nullptr;
    HWND ok_ = nullptr;
    UniqueFont font_;
    UniqueIcon iconImage_;
    AboutBackground background_;
};

}  // namespace

void Win32AboutBoxes::ShowModal(WindowHandle owner, const AboutBoxContent& content) {
    AboutDialog dialog(content);
    dialog.Run(ToHwnd(owner));
}

}  // namespace zubolo
