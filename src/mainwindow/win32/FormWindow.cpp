#include "mainwindow/win32/FormWindow.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/win32/Hwnd.h"
#include "platform/win32/WideText.h"
#include "resource.h"
#include "ui/ContextMenus.h"
#include "ui/win32/ButtonPeers.h"
#include "ui/win32/ContentPeers.h"
#include "ui/win32/UiFont.h"

namespace zubolo {
namespace {

constexpr UINT_PTR Timer1Id = 1;

std::vector<Control*> ByTabOrder(const std::vector<Control*>& children) {
    std::vector<Control*> sorted = children;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Control* a, const Control* b) {
        return a->TabOrder() < b->TabOrder();
    });
    return sorted;
}

}  // namespace

void FormWindow::RegisterWindowClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = MemberWindowProc<FormWindow>;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(IDI_PROGRAM));
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = ClassName;
        RegisterClassExW(&windowClass);
        TabSheetPeer::RegisterWindowClass();
        return true;
    }();
    (void)registered;
}

FormWindow::FormWindow(TZuboloForm& form, HWND owner) : form_(form) {
    RegisterWindowClass();
    const Rect& design = form_.DesignBounds();
    const std::wstring caption = ToWide(form_.Caption());
    hwnd_.reset(CreateWindowExW(WS_EX_CONTROLPARENT, ClassName, caption.c_str(),
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, design.left, design.top,
                                design.Width(), design.Height(), owner, nullptr,
                                GetModuleHandleW(nullptr), this));
    form_.SetHandle(FromHwnd(hwnd_));
    dpi_ = GetDpiForWindow(hwnd_);
    if (dpi_ != 96) {
        SetWindowPos(hwnd_, nullptr, 0, 0, Scale(design.Width()), Scale(design.Height()),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    font_ = CreateUiFont(ToWide(TZuboloForm::FontName), TZuboloForm::FontPixelHeight, dpi_);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    smallIcon_.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));

    runtimeImageLists_[&form_.ImageList1] =
        std::make_unique<RuntimeImageList>(form_.ImageList1, IconSize());
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, hwnd_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    CreatePeers(form_, hwnd_);
    OrderTabStops(form_);
    // The sheets lie over the tab control.
    for (Control* page : form_.PageControl1.Pages()) {
        SetWindowPos(peerOf_.at(page)->Handle(), HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    form_.AttachPeer(this);
    tray_ = std::make_unique<TrayIconPeer>(form_.TrayIcon1, hwnd_, smallIcon_.get());
    tray_->OnContextMenu = [this](POINT at) {
        if (PopupMenu* menu = form_.TrayIcon1.ContextMenu()) ShowPopupMenu(*menu, at);
    };
    form_.RequestClose = [this] { PostMessageW(hwnd_, WM_CLOSE, 0, 0); };
    ApplyShowHints();
    Layout();
    SetTimer(hwnd_, Timer1Id, static_cast<UINT>(form_.Timer1.IntervalMs()), nullptr);
}

FormWindow::~FormWindow() {
    form_.RequestClose = nullptr;
    form_.AttachPeer(nullptr);
    tray_.reset();
    peers_.clear();
    hwnd_.reset();
}

std::unique_ptr<WindowPeer> FormWindow::MakePeer(Control& control) {
    switch (control.Kind()) {
        case ControlKind::Button:
            return std::make_unique<ButtonPeer>(static_cast<Button&>(control), *this);
        case ControlKind::CheckBox:
            return std::make_unique<CheckBoxPeer>(static_cast<CheckBox&>(control), *this);
        case ControlKind::RadioGroup:
            return std::make_unique<RadioGroupPeer>(static_cast<RadioGroup&>(control), *this);
        case ControlKind::GroupBox:
            return std::make_unique<GroupBoxPeer>(control, *this);
        case ControlKind::ListView:
            return std::make_unique<ListViewPeer>(static_cast<ListView&>(control), *this);
        case ControlKind::StatusBar:
            return std::make_unique<StatusBarPeer>(static_cast<StatusBar&>(control), *this);
        case ControlKind::Memo:
            return std::make_unique<MemoPeer>(control, *this);
        case ControlKind::Image:
            return std::make_unique<ImagePeer>(control, *this);
        case ControlKind::PageControl:
            return std::make_unique<PageControlPeer>(static_cast<PageControl&>(control), *this);
        case ControlKind::TabSheet:
            return std::make_unique<TabSheetPeer>(static_cast<TabSheet&>(control), *this);
        case ControlKind::Form:
        case ControlKind::GridPanel:
            break;
    }
    return nullptr;
}

void FormWindow::CreatePeers(Control& parent, HWND hostWindow) {
    for (Control* child : parent.Children()) {
        std::unique_ptr<WindowPeer> peer = MakePeer(*child);
        if (!peer) {
            // Grid panels are no windows: their children live in the host's window.
            CreatePeers(*child, hostWindow);
            continue;
        }
        peer->Create(hostWindow);
        WindowPeer& made = *peer;
        peerOf_[child] = peer.get();
        peers_.push_back(std::move(peer));
        if (child->Kind() == ControlKind::TabSheet) {
            auto& page = static_cast<TabSheet&>(*child);
            auto& sheet = static_cast<TabSheetPeer&>(made);
            static_cast<PageControlPeer*>(peerOf_.at(&parent))->AddSheet(sheet);
            unmadePages_.push_back(&page);
            sheet.OnShowing = [this, &page] { MakePageControls(page); };
        } else {
            CreatePeers(*child, IsLayoutHost(*child) ? made.Handle() : hostWindow);
        }
    }
}

void FormWindow::MakePageControls(TabSheet& page) {
    const auto unmade = std::find(unmadePages_.begin(), unmadePages_.end(), &page);
    if (!shown_ || unmade == unmadePages_.end()) return;
    unmadePages_.erase(unmade);
    const std::size_t first = peers_.size();
    CreatePeers(page, peerOf_.at(&page)->Handle());
    OrderTabStops(page);
    // At the places of the last layout, which laid out every control of the model.
    for (std::size_t i = first; i < peers_.size(); ++i) peers_[i]->Place();
}

// Windows moves the keyboard focus through sibling windows in their z-order, so the windows
// of a host (the form or a page) are stacked in the controls' tab order, container by container;
// group-box frames go under the controls they hold.
void FormWindow::OrderTabStops(const Control& host) {
    HWND previous = HWND_TOP;
    std::vector<HWND> groupBoxes;
    auto stack = [&](auto& self, const Control& parent) -> void {
        for (Control* child : ByTabOrder(parent.Children())) {
            if (const auto found = peerOf_.find(child); found != peerOf_.end()) {
                HWND window = found->second->Handle();
                if (child->Kind() == ControlKind::GroupBox) {
                    groupBoxes.push_back(window);
                } else if (child->Kind() != ControlKind::TabSheet) {
                    SetWindowPos(window, previous, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                    previous = window;
                    if (child->Kind() == ControlKind::RadioGroup) {
                        for (HWND item : static_cast<RadioGroupPeer*>(found->second)->Items()) {
                            SetWindowPos(item, previous, 0, 0, 0, 0,
                                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                            previous = item;
                        }
                    }
                }
            }
            if (!IsLayoutHost(*child)) self(self, *child);
        }
    };
    stack(stack, host);
    for (HWND frame : groupBoxes) {
        SetWindowPos(frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

int FormWindow::Scale(int designPixels) const {
    return MulDiv(designPixels, static_cast<int>(dpi_), 96);
}

HIMAGELIST FormWindow::Images(const ImageList& list) {
    if (const auto runtime = runtimeImageLists_.find(&list); runtime != runtimeImageLists_.end()) {
        return runtime->second->Handle();
    }
    auto& images = imageLists_[&list];
    if (!images) images = LoadImageList(list, IconSize());
    return images.get();
}

HIMAGELIST FormWindow::Picture(const ImageList& list, int index) {
    auto& picture = pictures_[{&list, index}];
    if (!picture) picture = SinglePicture(list, index, IconSize());
    return picture.get();
}

void FormWindow::AddHint(HWND tool, const std::u16string& hint) {
    std::wstring text = ToWide(hint);
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(tool);
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void FormWindow::ApplyShowHints() {
    SendMessageW(tooltip_, TTM_ACTIVATE, form_.App.ShowHints() ? TRUE : FALSE, 0);
}

Rect FormWindow::ContentArea(const Control& container, const Rect& bounds) const {
    switch (container.Kind()) {
        case ControlKind::GroupBox:
        case ControlKind::RadioGroup:
            return GroupBoxContent(bounds, font_.get(), Scale(2));
        case ControlKind::PageControl:
            return static_cast<PageControlPeer*>(peerOf_.at(&container))->PageArea(bounds);
        default:
            return bounds;
    }
}

void FormWindow::Layout(ResizeEvents events) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    LayoutWindow(form_, {0, 0, client.right, client.bottom}, *this, events);
    for (auto& peer : peers_) peer->Place();
}

void FormWindow::ChangeResolution(UINT dpi) {
    dpi_ = dpi;
    font_ = CreateUiFont(ToWide(TZuboloForm::FontName), TZuboloForm::FontPixelHeight, dpi_);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    std::map<const ImageList*, UniqueImageList> oldLists;
    oldLists.swap(imageLists_);
    std::map<std::pair<const ImageList*, int>, UniqueImageList> oldPictures;
    oldPictures.swap(pictures_);
    std::vector<UniqueImageList> oldRuntimeLists;
    for (auto& runtime : runtimeImageLists_) {
        oldRuntimeLists.push_back(runtime.second->Resize(IconSize()));
    }
    for (auto& peer : peers_) peer->ResolutionChanged();
    // The controls now hold the new lists; the old ones may go.
    oldLists.clear();
    oldPictures.clear();
    oldRuntimeLists.clear();
}

void FormWindow::StateChanged() {
    const std::wstring caption = ToWide(form_.Caption());
    SetWindowTextW(hwnd_, caption.c_str());
    EnableWindow(hwnd_, form_.Enabled() ? TRUE : FALSE);
}

WindowPeer* FormWindow::PeerOf(HWND window) const {
    for (const auto& peer : peers_) {
        if (peer->Owns(window)) return peer.get();
    }
    return nullptr;
}

const Control& FormWindow::ControlOf(HWND window) const {
    for (HWND at = window; at != nullptr && at != hwnd_; at = GetParent(at)) {
        if (const WindowPeer* peer = PeerOf(at)) return peer->Model();
    }
    return form_;
}

bool FormWindow::OpenContextMenu(HWND clicked, LPARAM screenPoint) {
    PopupMenu* menu = ContextMenuFor(ControlOf(clicked));
    if (menu == nullptr) return false;
    POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    if (at.x == -1 && at.y == -1) {
        // Opened from the keyboard: at the control's top-left corner.
        RECT bounds{};
        GetWindowRect(clicked, &bounds);
        at = {bounds.left, bounds.top};
    }
    ShowPopupMenu(*menu, at);
    return true;
}

void FormWindow::ShowPopupMenu(PopupMenu& menu, POINT at) {
    // The chosen item runs once the menu has closed.
    if (MenuItem* chosen = menus_.Track(menu, hwnd_, at)) chosen->Click();
}

void FormWindow::RunShortcutAtFocus(int key) {
    RunShortcut(ControlOf(GetFocus()), key);
}

bool FormWindow::SetHandCursor(HWND window) const {
    const WindowPeer* peer = PeerOf(window);
    if (peer == nullptr || !peer->Model().HandCursor()) return false;
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (tray_ && tray_->HandleMessage(message, wParam, lParam)) return 0;
    switch (message) {
        case WM_SIZE:
            if (!peers_.empty()) Layout();
            return 0;
        case WM_DPICHANGED: {
            ChangeResolution(HIWORD(wParam));
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            // Sizes worked out from design pixels (tab width, margins) change with the
            // resolution even where a control keeps its size.
            Layout(ResizeEvents::Every);
            return 0;
        }
        case WM_COMMAND:
            // The dialog manager of the message loop turns Esc into IDCANCEL from no control.
            if (lParam == 0 && LOWORD(wParam) == IDCANCEL) RunShortcutAtFocus(ShortcutEsc);
            if (WindowPeer* peer = PeerOf(reinterpret_cast<HWND>(lParam))) {
                peer->OnCommand(HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            }
            return 0;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            LRESULT result = 0;
            if (WindowPeer* peer = PeerOf(header.hwndFrom);
                peer != nullptr && peer->OnNotify(header, result)) {
                return result;
            }
            break;
        }
        case WM_CONTEXTMENU:
            if (OpenContextMenu(reinterpret_cast<HWND>(wParam), lParam)) return 0;
            break;
        case WM_HELP:
            // F1 in a control of the window; F1 in an open menu is the menu's own.
            if (reinterpret_cast<const HELPINFO*>(lParam)->iContextType == HELPINFO_WINDOW) {
                RunShortcutAtFocus(ShortcutF1);
            }
            return TRUE;
        case WM_MEASUREITEM:
            if (menus_.OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_DRAWITEM:
            if (menus_.OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_SETCURSOR:
            if (SetHandCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
            break;
        case WM_TIMER:
            if (wParam == Timer1Id && form_.Timer1.Enabled()) form_.Timer1.Tick();
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MINIMIZE && OnMinimizeRequested) {
                OnMinimizeRequested();
                return 0;
            }
            break;
        case WM_CLOSE:
            if (!form_.CloseQuery()) return 0;
            break;
        case WM_DROPFILES:
            // A drop sent straight to the window; a posted one takes the message hook.
            form_.HandleDroppedFiles(FromHdrop(reinterpret_cast<HDROP>(wParam)));
            return 0;
        case WM_QUERYENDSESSION:
            return form_.WMQueryEndSession() ? TRUE : FALSE;
        case WM_WINDOWPOSCHANGED: {
            // Runs once the window has been shown or hidden, after the default handling.
            const UINT flags = reinterpret_cast<const WINDOWPOS*>(lParam)->flags;
            const LRESULT result = DefWindowProcW(hwnd_, message, wParam, lParam);
            if ((flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0) {
                form_.CMShowingChanged((flags & SWP_SHOWWINDOW) != 0);
            }
            return result;
        }
        case WM_WINDOWPOSCHANGING:
            // About to be shown for the first time, by ShowWindow or by a placement: the page in
            // front gets the windows of its controls before the window can be seen.
            if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) != 0 &&
                !shown_) {
                shown_ = true;
                peerOf_.at(&form_.PageControl1)->Apply();
            }
            break;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_.get());
        case WM_DESTROY:
            KillTimer(hwnd_, Timer1Id);
            if (OnDestroyed) OnDestroyed();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace zubolo
